#include <cstdio>
#include <cstring>

#include "data/Version.h"

int main(int argc, char* argv[])
{
    std::printf("brindlewick-cli %s\n", bw::programVersion());
    return 0;
}
