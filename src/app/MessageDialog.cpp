#include "app/MessageDialog.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdlib>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#ifdef BW_HAVE_CANBERRA
#include <canberra.h>
#endif

namespace bw {

namespace {

std::function<void(MessageSound)>& soundPlayer()
{
    static std::function<void(MessageSound)> player;
    return player;
}

#ifdef BW_HAVE_CANBERRA
// Whether an event sound can be heard at all: a sound server or a sound device. Without
// either, libcanberra only fills standard error with the sound library's complaints.
bool soundDeviceLikely()
{
    if (std::getenv("PULSE_SERVER")) return true;
    if (const char* run = std::getenv("XDG_RUNTIME_DIR")) {
        const std::string dir(run);
        if (QFileInfo::exists(QString::fromStdString(dir + "/pulse/native")) ||
            QFileInfo::exists(QString::fromStdString(dir + "/pipewire-0")))
            return true;
    }
    return QFileInfo::exists("/dev/snd");
}
#endif

QIcon iconOf(MessageIcon icon, const QStyle* style)
{
    switch (icon) {
    case MessageIcon::Question: return style->standardIcon(QStyle::SP_MessageBoxQuestion);
    case MessageIcon::Stop: return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case MessageIcon::Information: return style->standardIcon(QStyle::SP_MessageBoxInformation);
    case MessageIcon::Exclamation: return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case MessageIcon::Application: {
        QIcon app = QApplication::windowIcon();
        return app.isNull() ? style->standardIcon(QStyle::SP_ComputerIcon) : app;
    }
    case MessageIcon::None: break;
    }
    return {};
}

// The caption of a button without its shortcut marker, for comparing with "Cancel".
QString plainCaption(const QString& caption)
{
    QString s = caption;
    s.replace("&&", "\x01");
    s.remove('&');
    s.replace("\x01", "&");
    return s;
}

} // namespace

MessageDialog::MessageDialog(const QString& caption, const QString& icon, const QString& text,
                             const QString& buttonList, QWidget* parent)
    : QDialog(parent), icon_(icon)
{
    setWindowTitle(caption);
    // A dialog border and a caption, without window buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    auto* top = new QHBoxLayout;
    const QIcon pic = iconOf(iconFor(icon.toStdString()), style());
    if (!pic.isNull()) {
        auto* iconLabel = new QLabel(this);
        iconLabel->setObjectName("icon");
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        iconLabel->setPixmap(pic.pixmap(size, size));
        iconLabel->setAlignment(Qt::AlignTop);
        top->addWidget(iconLabel);
    }
    QStringList lines;
    for (const std::string& line : messageLines(text.toStdString())) lines << QString::fromStdString(line);
    text_ = new QLabel(lines.join('\n'), this);
    text_->setObjectName("text");
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setMinimumWidth(220);
    text_->setMaximumWidth(520);
    top->addWidget(text_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    int width = 75;
    for (const std::string& caption : splitButtons(buttonList.toStdString())) {
        auto* b = new QPushButton(QString::fromStdString(buttonLabel(caption)), this);
        b->setProperty("letter", QChar(resultLetter(caption)));
        b->setAutoDefault(true);
        connect(b, &QPushButton::clicked, this, [this, b] { press(b); });
        buttons_ << b;
        width = std::max(width, b->sizeHint().width());
        row->addWidget(b);
    }
    for (QPushButton* b : buttons_) b->setFixedWidth(width);
    row->addStretch(1);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    buttons_.front()->setDefault(true);
    buttons_.front()->setFocus();
}

MessageDialog* MessageDialog::makeInput(const QString& caption, const QString& prompt,
                                        const QString& preset, QWidget* parent)
{
    auto* dlg = new MessageDialog(caption, QString(), prompt, "&OK &Cancel", parent);
    dlg->soundPlayed_ = true;  // the input dialog is silent
    dlg->input_ = new QLineEdit(preset, dlg);
    dlg->input_->setObjectName("input");
    auto* layout = static_cast<QVBoxLayout*>(dlg->layout());
    layout->insertWidget(1, dlg->input_);
    QPushButton* ok = dlg->buttons_.front();
    connect(dlg->input_, &QLineEdit::returnPressed, dlg, [dlg, ok] { dlg->press(ok); });
    dlg->input_->selectAll();
    dlg->input_->setFocus();
    return dlg;
}

void MessageDialog::press(QPushButton* button)
{
    letter_ = button->property("letter").toChar().toLatin1();
    if (input_ && button != buttons_.front())
        reject();
    else
        accept();
}

void MessageDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        // Esc presses a "Cancel" button, or the only button; otherwise it does nothing,
        // since every message needs one of its own answers.
        for (QPushButton* b : buttons_)
            if (plainCaption(b->text()).compare("Cancel", Qt::CaseInsensitive) == 0) return press(b);
        if (buttons_.size() == 1) return press(buttons_.front());
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MessageDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!soundPlayed_) {
        soundPlayed_ = true;
        playMessageSound(soundFor(icon_.toStdString()));
    }
}

char Show_Message(const std::string& caption, const std::string& icon, const std::string& text,
                  const std::string& buttons, QWidget* parent)
{
    MessageDialog dlg(QString::fromStdString(caption), QString::fromStdString(icon),
                      QString::fromStdString(text), QString::fromStdString(buttons),
                      parent ? parent : QApplication::activeWindow());
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    dlg.exec();
    QGuiApplication::restoreOverrideCursor();
    // Closed without a button (the window system closed it): the default button's letter.
    return dlg.letter() ? dlg.letter() : dlg.buttons().front()->property("letter").toChar().toLatin1();
}

std::optional<std::string> Ask_Text(const std::string& caption, const std::string& prompt,
                                    const std::string& preset, QWidget* parent)
{
    std::unique_ptr<MessageDialog> dlg(MessageDialog::makeInput(
        QString::fromStdString(caption), QString::fromStdString(prompt), QString::fromStdString(preset),
        parent ? parent : QApplication::activeWindow()));
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = dlg->exec();
    QGuiApplication::restoreOverrideCursor();
    if (result != QDialog::Accepted) return std::nullopt;
    return dlg->input()->text().toStdString();
}

void playMessageSound(MessageSound sound)
{
    if (soundPlayer()) return soundPlayer()(sound);
#ifdef BW_HAVE_CANBERRA
    static ca_context* context = [] {
        ca_context* c = nullptr;
        if (!soundDeviceLikely()) return static_cast<ca_context*>(nullptr);
        if (ca_context_create(&c) != CA_SUCCESS) return static_cast<ca_context*>(nullptr);
        return c;
    }();
    if (context
        && ca_context_play(context, 0, CA_PROP_EVENT_ID, soundEventId(sound),
                           CA_PROP_EVENT_DESCRIPTION, "Message", nullptr) == CA_SUCCESS)
        return;
#endif
    QApplication::beep();
}

void setMessageSoundPlayer(std::function<void(MessageSound)> player)
{
    soundPlayer() = std::move(player);
}

} // namespace bw
