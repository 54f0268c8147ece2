#pragma once

#include <QDialog>
#include <string>

class QPushButton;

namespace bw {

// The small dialog shown the first time the program starts on an empty data folder:
// set up one's own club from scratch, or first explore a sample club kept in a folder
// of its own.
class WelcomeDialog : public QDialog {
    Q_OBJECT
public:
    enum class Choice { SetUp, Sample };

    WelcomeDialog(const QString& dataRoot, const QString& sampleRoot, QWidget* parent = nullptr);

    Choice choice() const { return choice_; }
    QPushButton* setUpButton() const { return setUp_; }
    QPushButton* sampleButton() const { return sample_; }

private:
    Choice choice_ = Choice::SetUp;
    QPushButton* setUp_ = nullptr;
    QPushButton* sample_ = nullptr;
};

// The folder the sample club is kept in: the data folder's name + "-sample", beside it.
std::string sampleDataRoot(const std::string& dataRoot);

// Called at start, before the data module opens its tables. On an empty data folder
// that has not been welcomed before, shows the welcome dialog once (a mark is left in
// the folder) and returns the data folder to start on: dataRoot itself, or the sample
// folder, made with the sample club when it is not there yet. On any other folder it
// returns dataRoot at once.
std::string offerWelcome(QWidget* parent, const std::string& dataRoot);

// The file whose presence in a data folder says the welcome was offered there.
inline constexpr const char* kWelcomeMark = ".welcome-offered";

} // namespace bw
