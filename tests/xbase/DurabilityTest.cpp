// A process killed in the middle of a run of appends loses no posted record and leaves
// a table that opens.
#include "support/TempDir.h"
#include "xbase/Table.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace xbase;

namespace {

const FieldList kFields = {C("dog", 30), N("seq", 8)};

// Appends records "dog N" with seq N forever, writing N to the pipe after each post
// returned. Never returns.
[[noreturn]] void appendForever(const std::string& path, int progressFd)
{
    try {
        Table t(kFields);
        t.setFileName(path);
        t.open();
        t.makeIndex("", {{"DOG", "upper(dog)+str(recno(),8)"}}); // keeps the keys in step, as the program does
        for (uint32_t n = t.recordCount() + 1;; ++n) {
            t.append();
            t.setField("dog", "dog " + std::to_string(n));
            t.setFieldInt("seq", long(n));
            t.post();
            if (write(progressFd, &n, sizeof n) != sizeof n) _exit(2);
        }
    } catch (...) {
        _exit(1);
    }
}

} // namespace

TEST(Durability, KilledWriterLosesNoPostedRecord)
{
    bwtest::TempDir dir;
    const std::string path = dir.file("dogs.dbf");
    uint32_t confirmed = 0;

    // Several rounds, each killing the writer after a different number of posts, so the
    // kill lands at different points of the write sequence.
    for (uint32_t stopAfter : {50u, 333u, 1000u, 1717u}) {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(fds[0]);
            appendForever(path, fds[1]);
        }
        close(fds[1]);
        const uint32_t before = confirmed;
        uint32_t n = 0;
        while (read(fds[0], &n, sizeof n) == sizeof n) {
            confirmed = n;
            if (n >= before + stopAfter) break;
        }
        kill(child, SIGKILL);
        // Posts that returned before the kill took effect are confirmed too.
        while (read(fds[0], &n, sizeof n) == sizeof n) confirmed = n;
        close(fds[0]);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself with status " << status;

        // The killed writer never closed the table: its lock went with it, so the table
        // opens for exclusive use at once.
        Table t;
        t.setFileName(path);
        ASSERT_NO_THROW(t.open());
        ASSERT_GE(t.recordCount(), confirmed) << "after killing at " << stopAfter;
        // Every record is whole: record n holds "dog n".
        for (uint32_t r = 1; r <= t.recordCount(); ++r) {
            t.go(r);
            ASSERT_EQ(t.text("dog"), "dog " + std::to_string(r));
            ASSERT_EQ(t.fieldInt("seq"), long(r));
        }
    }
}
