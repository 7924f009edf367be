#pragma once

#include "LineActionPanel.h"
#include "session/Limits.h"
#include "widgets/DesignView.h"
#include "widgets/ListPanel.h"

#include <array>

class CheckList;
class KeyboardTabs;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QTimer;
class RedKey;

// The order ticket, the product keyboards and the side keys.
class TicketView final : public DesignView
{
    Q_OBJECT

public:
    static constexpr int SideKeys = 12;

    explicit TicketView(QWidget* parent = nullptr);

    QPlainTextEdit* ticketMemo() const { return m_ticketMemo; }
    QLineEdit* noteLine() const { return m_noteLine; }
    QTabWidget* keyboardTabs() const;
    // keyboard 1 to 12; its keys go on the scroll box's widget
    QScrollArea* keyboardScrollBox(int keyboard) const { return m_keyboardScrollBoxes.at(keyboard - 1); }

    // "Changer serveur"; the catalogue load hides it
    RedKey* changeWaiterKey() const { return sideKey(1); }
    RedKey* chooseTableKey() const { return sideKey(2); }
    // "Retour menu": sends the whole order to the kitchen, then back to the table choice
    RedKey* sendAllAndLeaveKey() const { return sideKey(3); }
    RedKey* sendToKitchenKey() const { return sideKey(4); }
    RedKey* recallKey() const { return sideKey(5); }
    RedKey* refreshKey() const { return sideKey(6); }
    RedKey* registerMessageKey() const { return sideKey(7); }
    RedKey* setMenusKey() const { return sideKey(8); }
    RedKey* finaliseKey() const { return sideKey(9); }
    // the second "Retour menu", hidden by the catalogue load: it only refreshes the ticket
    RedKey* spareRefreshKey() const { return sideKey(10); }
    RedKey* proformaKey() const { return sideKey(11); }
    RedKey* nextCourseKey() const { return sideKey(12); }

    LineActionPanel* lineActionPanel() const { return m_lineActionPanel; }
    ListPanel* optionsPanel() const { return m_optionsPanel; }
    QPushButton* optionsValidateButton() const;
    CheckList* optionsList() const;
    ListPanel* recallPanel() const { return m_recallPanel; }
    QPushButton* recallSendButton() const;
    CheckList* recallList() const;
    DesignView* curtain() const { return m_curtain; }

    // Puts a ticket reply on screen: the one way a ticket reaches the memo.
    void showTicket(const QString& reply);
    // A ticket asked for did not come: the one on screen stays, though the register's may differ from it now.
    void keepTicket() { m_ticketKept = true; }
    // Whether the ticket on screen is one kept so, until the next ticket comes.
    bool ticketKept() const { return m_ticketKept; }
    // The ticket's lines as shown.
    QStringList ticketLines() const;
    // The feedback line over the ticket ("1 * Café"), hidden again a second later by Timer1.
    void showNote(const QString& text);
    // The feedback line hidden, and kept hidden until the next note.
    void hideNote();
    void openLinePanel(const QString& line);
    void closeLinePanel();
    // The kitchen options of the product being ordered over the ticket, none ticked.
    void openKitchenOptions(const QStringList& options);
    // "Valider": closes the options and gives which were ticked, in list order, leaving none ticked.
    QList<bool> takeKitchenChoices();
    // the curtain keeps the keys out of reach while a screen is prepared behind it
    void showCurtain();
    void hideCurtain();
    // "Rappel prépa" and "Demande Suite": the entries to tick, over the whole ticket screen.
    void openKitchenList(const QStringList& entries);
    // The ticks of the kitchen list, in list order; every check mark is hidden again.
    QList<bool> takeKitchenListTicks();
    void closeKitchenList();
    // The dispatch panel, brought from where it is parked, over the whole ticket screen.
    void openDispatchPanel(DesignView* panel);
    void showFirstKeyboard();
    // keyboard 1 to 12 in front
    void showKeyboard(int keyboard);
    void closeKitchenOptionPanel();
    void setMemoFontSize(int pixelSize);

private:
    RedKey* sideKey(int number) const { return m_sideKeys.at(number - 1); }
    void createKeyboards();
    void createSideKeys();

    QPlainTextEdit* m_ticketMemo;
    QLineEdit* m_noteLine;
    KeyboardTabs* m_keyboardTabs;
    std::array<QScrollArea*, Limits::Keyboards> m_keyboardScrollBoxes{};
    std::array<RedKey*, SideKeys> m_sideKeys{};
    LineActionPanel* m_lineActionPanel;
    ListPanel* m_optionsPanel;
    ListPanel* m_recallPanel;
    DesignView* m_curtain;
    QTimer* m_noteTimer;
    bool m_ticketKept = false;
};
