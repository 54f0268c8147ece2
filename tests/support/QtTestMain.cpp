// main() of the window test programs. Google Test is initialised first, so that test
// discovery (--gtest_list_tests) needs no display; then the offscreen platform is chosen
// when neither a platform nor a display is set, and the QApplication is created.
#include <QApplication>
#include <QDir>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        QString dir = QDir::tempPath() + "/bwtest-runtime";
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        setenv("XDG_RUNTIME_DIR", dir.toLocal8Bit().constData(), 1);
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
