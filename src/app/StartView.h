#pragma once

#include "widgets/DesignView.h"

#include <QLineEdit>

class QLabel;
class QPushButton;
class RedKey;

// The address box of the start view. It draws its own prompt, so that "Adresse IP" shows whenever the box is
// empty: Qt's placeholder text is hidden while a centred line edit has the focus. Dark box, light text and caret.
class PromptEdit final : public QLineEdit
{
    Q_OBJECT

public:
    explicit PromptEdit(const QString& prompt, QWidget* parent = nullptr);

    QString prompt() const { return m_prompt; }
    // True when the prompt is drawn: the box is empty and nothing is being composed in it.
    bool promptShown() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    QString m_prompt;
    bool m_composing = false;
};

// The start view: register address, local start, configuration and quit.
class StartView final : public DesignView
{
    Q_OBJECT

public:
    static const QString RestingStatus;
    static const QString AddressPrompt;

    explicit StartView(QWidget* parent = nullptr);

    QLabel* statusLabel() const { return m_statusLabel; }
    QLineEdit* addressEdit() const { return m_addressEdit; }
    RedKey* startButton() const { return m_startButton; }
    QPushButton* configButton() const { return m_configButton; }
    QPushButton* quitButton() const { return m_quitButton; }

    QString address() const;
    void setAddress(const QString& address);
    // emptied after a failed start: the waiter types it again
    void clearAddress();
    // A locked address box takes no typing; the terminal still sets it.
    void lockAddress(bool locked);
    // a fresh installation reads "0" for the address: it shows an empty box and starts nothing
    void forgetUnsetAddress();
    void showStatus(const QString& text);
    void clearStatus();
    void enableStart();

private:
    QLabel* m_statusLabel;
    PromptEdit* m_addressEdit;
    RedKey* m_startButton;
    QPushButton* m_configButton;
    QPushButton* m_quitButton;
};

namespace Look {

// The buttons of the start and configuration views: the platform button drawn dark, with a white caption.
void darkButton(QPushButton* button);

} // namespace Look
