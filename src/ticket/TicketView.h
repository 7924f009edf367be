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

    QPlainTextEdit* Memo1() const { return m_memo1; }
    QLineEdit* Memoart() const { return m_memoart; }
    QTabWidget* TabControl() const;
    // keyboard 1 to 12; its keys go on the scroll box's widget
    QScrollArea* VertScrollBox(int keyboard) const { return m_vertScrollBoxes.at(keyboard - 1); }

    RedKey* b1() const { return b(1); }
    RedKey* b2() const { return b(2); }
    RedKey* b3() const { return b(3); }
    RedKey* b4() const { return b(4); }
    RedKey* b5() const { return b(5); }
    RedKey* b6() const { return b(6); }
    RedKey* b7() const { return b(7); }
    RedKey* b8() const { return b(8); }
    RedKey* b9() const { return b(9); }
    RedKey* b10() const { return b(10); }
    RedKey* b11() const { return b(11); }
    RedKey* b12() const { return b(12); }

    LineActionPanel* panel_annul() const { return m_panelAnnul; }
    ListPanel* panel_env_cuis() const { return m_panelEnvCuis; }
    QPushButton* Button21() const;
    CheckList* ListViewcuis() const;
    ListPanel* Panel2() const { return m_panel2; }
    QPushButton* Button14() const;
    CheckList* ListViewrappel() const;
    DesignView* Panel5() const { return m_panel5; }

    // Puts a ticket reply on screen: the one way a ticket reaches the memo.
    void showTicket(const QString& reply);
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
    RedKey* b(int number) const { return m_sideKeys.at(number - 1); }
    void createKeyboards();
    void createSideKeys();

    QPlainTextEdit* m_memo1;
    QLineEdit* m_memoart;
    KeyboardTabs* m_tabControl;
    std::array<QScrollArea*, Limits::Keyboards> m_vertScrollBoxes{};
    std::array<RedKey*, SideKeys> m_sideKeys{};
    LineActionPanel* m_panelAnnul;
    ListPanel* m_panelEnvCuis;
    ListPanel* m_panel2;
    DesignView* m_panel5;
    QTimer* m_noteTimer;
};
