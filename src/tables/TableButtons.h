#pragma once

#include "catalogue/CatalogueGeometry.h"
#include "catalogue/CatalogueParse.h"
#include "widgets/ViewSlot.h"

#include <QObject>
#include <QPointer>

#include <vector>

class CatalogueKey;
class PlanView;

// The table buttons of the room plan: `btable`[z] for table z+1, captioned "T" and its number, on the plan tab the
// table belongs to. The room plan colours them and their captions by table state. A catalogue's buttons are kept
// as data until the plan is shown or a button is asked for.
class TableButtons final : public QObject
{
    Q_OBJECT

public:
    explicit TableButtons(ViewSlot<PlanView>& view);
    ~TableButtons() override;

    // Takes on the buttons of a catalogue in place of those of an earlier load; they are made at once when the plan
    // is up. A table entry that is not a number throws FormatError there: the tables before it keep their buttons.
    void plan(const CatalogueParse::TablePlan& plan, int largeurinit, int hauteurinit);
    // Makes the buttons planned and not made yet, and the plan view they lie on when it is not.
    void make();
    void clear();

    int count() const { return static_cast<int>(m_boxes.size()); }
    CatalogueKey* key(int z);

Q_SIGNALS:
    void tableTapped(int n);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The boxes of the first tables below the plan view's tab bar, up to the first entry that is not a number.
    void layOut(double tabHeight, int tables);

    ViewSlot<PlanView>& m_view;
    CatalogueParse::TablePlan m_planned;
    int m_largeurinit = 0;
    int m_hauteurinit = 0;
    std::vector<CatalogueGeometry::TableButton> m_boxes;
    bool m_laidOut = false; // against the tab bar: a plan taken on before its view was made is laid out again
    bool m_made = true;
    std::vector<QPointer<CatalogueKey>> m_tables;
    // a table on no plan tab is kept here, hidden for good
    QPointer<QWidget> m_unplaced;
};
