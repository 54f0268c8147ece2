#include <QApplication>
#include <cstdio>
#include <cstring>

#include "data/Version.h"

int main(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Brindlewick Manager %s\n", bw::programVersion());
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Brindlewick Manager");
    QApplication::setApplicationVersion(bw::programVersion());
    std::printf("Brindlewick Manager %s\n", bw::programVersion());
    return 0;
}
