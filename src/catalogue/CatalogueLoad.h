#pragma once

#include "ProductKeys.h"
#include "SetMenuGrid.h"
#include "TableButtons.h"

#include <QObject>
#include <QString>

#include <optional>

class TForm4;

// The catalogue load `lit_clavier`: asks the register for every piece of its catalogue when its data stamp
// changed (`reload`), or reads each piece back from its settings slot, then builds the controls from it.
class CatalogueLoad final : public QObject
{
    Q_OBJECT

public:
    explicit CatalogueLoad(TForm4& form);

    // A link loss on the first requests or the table plan abandons the start with a message and returns.
    // A failure of the printing options, course ranks or set-menu lists, and a number field that is not a
    // number (LinkError, FormatError), escape: the load stops there and nothing is saved.
    void lit_clavier();

    // products loaded by the last load
    int productCount() const { return m_productCount; }
    ProductKeys& productKeys() { return m_productKeys; }
    SetMenuGrid& setMenuGrid() { return m_setMenuGrid; }
    TableButtons& tableButtons() { return m_tableButtons; }

Q_SIGNALS:
    // each progress text as it is put in the start view's status line
    void progressShown(const QString& text);

private:
    void showProgress(const QString& text);
    void clearEarlierLoad();
    // The reply to a request whose failure abandons the start, or its slot in cache mode; none: abandoned.
    std::optional<QString> replyOrAbort(const QString& request, int slot);
    void abort();
    QString ask(const QString& request, int settleMs = 0);

    bool loadTabsAndWaiters();
    bool loadPaymentCaptions();
    void loadSupplements();
    void loadKeyboard(int n);
    void loadPrintingOptions();
    void loadKitchenLists();
    void loadSetMenuContents();
    void loadCourseRanks();
    void loadSetMenuLists();
    bool loadTablePlan();
    void finish();

    TForm4& m_form;
    int m_productCount = 0;
    ProductKeys m_productKeys;
    SetMenuGrid m_setMenuGrid;
    TableButtons m_tableButtons;
};
