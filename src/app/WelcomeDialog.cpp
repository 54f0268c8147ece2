#include "app/WelcomeDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <fstream>

#include "data/DataRoot.h"
#include "sample/SampleClub.h"
#include "xbase/Error.h"

namespace fs = std::filesystem;

namespace bw {

WelcomeDialog::WelcomeDialog(const QString& dataRoot, const QString& sampleRoot, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Welcome to Brindlewick Manager"));
    auto* layout = new QVBoxLayout(this);

    auto* title = new QLabel(tr("<b>Welcome to Brindlewick Manager</b>"), this);
    QFont f = title->font();
    f.setPointSizeF(f.pointSizeF() * 1.3);
    title->setFont(f);
    layout->addWidget(title);

    auto* text = new QLabel(this);
    text->setWordWrap(true);
    text->setTextFormat(Qt::PlainText);
    text->setText(tr("This data folder holds no club yet:\n    %1\n\n"
                     "Set up your own club from scratch: enter the club and secretary under "
                     "Options, then the sections, classes and breeds, and create your first show.\n\n"
                     "Or first explore a sample club with a show, its classes, judges and entries. "
                     "The sample is kept in a folder of its own, so your data folder stays empty:\n    %2\n\n"
                     "To return to the sample later, start the program with\n    --data %2")
                      .arg(dataRoot, sampleRoot));
    text->setMinimumWidth(460);
    layout->addWidget(text);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    sample_ = new QPushButton(tr("&Explore a Sample Club"), this);
    setUp_ = new QPushButton(tr("&Set Up My Club"), this);
    setUp_->setDefault(true);
    buttons->addWidget(sample_);
    buttons->addWidget(setUp_);
    layout->addLayout(buttons);

    connect(setUp_, &QPushButton::clicked, this, [this] {
        choice_ = Choice::SetUp;
        accept();
    });
    connect(sample_, &QPushButton::clicked, this, [this] {
        choice_ = Choice::Sample;
        accept();
    });
}

std::string sampleDataRoot(const std::string& dataRoot)
{
    std::string root = dataRoot;
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    return root + "-sample";
}

std::string offerWelcome(QWidget* parent, const std::string& dataRoot)
{
    std::error_code ec;
    if (!sample::isEmptyDataRoot(dataRoot) || fs::exists(fs::path(dataRoot) / kWelcomeMark, ec)) return dataRoot;

    const std::string sampleRoot = sampleDataRoot(dataRoot);
    WelcomeDialog dialog(QString::fromStdString(dataRoot), QString::fromStdString(sampleRoot), parent);
    dialog.exec();

    // Offered once: the mark stays in the (otherwise empty) data folder.
    fs::create_directories(dataRoot, ec);
    std::ofstream(fs::path(dataRoot) / kWelcomeMark) << "The welcome dialog was shown for this data folder.\n";

    if (dialog.choice() != WelcomeDialog::Choice::Sample) return dataRoot;
    if (!sample::isEmptyDataRoot(sampleRoot)) return sampleRoot;  // made at an earlier start
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        sample::makeSampleClub(sampleRoot, sample::SampleOptions());
        QApplication::restoreOverrideCursor();
        return sampleRoot;
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        QString why = QString::fromStdString(e.what());
        why.replace(';', '\n');
        QMessageBox::warning(parent, QObject::tr("Sample Club"),
                             QObject::tr("The sample club could not be made:\n%1\n\nThe program starts on %2.")
                                 .arg(why, QString::fromStdString(dataRoot)));
        return dataRoot;
    }
}

} // namespace bw
