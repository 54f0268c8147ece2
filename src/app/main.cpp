#include <QApplication>
#include <cstdio>
#include <cstring>

#include "app/DmodSources.h"
#include "app/MainWindow.h"
#include "app/QtPrompter.h"
#include "app/Startup.h"
#include "app/WelcomeDialog.h"
#include "data/DataRoot.h"
#include "data/Tdmod.h"
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

    // The data module comes first, before any window; a failed start is shown and the
    // program goes on.
    bw::Tdmod module;
    bw::dmod = &module;
    bw::DmodSources sources(module);
    bw::dmodSources = &sources;
    bw::QtPrompter prompter;
    // On an empty data root the first start offers a sample club in a folder of its own.
    const std::string dataRoot = bw::offerWelcome(nullptr, bw::chooseDataRoot(bw::dataOption(argc, argv)));
    bw::startDataModule(module, dataRoot, prompter);

    // The main window, which makes the dog master window beside it. No show is opened
    // by itself.
    bw::TBrindlewickMainForm window(module, sources);
    window.show();
    return app.exec();
}
