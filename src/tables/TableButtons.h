#pragma once

#include "catalogue/CatalogueParse.h"

#include <QObject>
#include <QPointer>

#include <vector>

class CatalogueKey;
class PlanView;

// The table buttons of the room plan: `btable`[z] for table z+1, captioned "T" and its number, on the plan tab the
// table belongs to. The room plan colours them and their captions by table state.
class TableButtons final : public QObject
{
    Q_OBJECT

public:
    explicit TableButtons(QObject* parent = nullptr);
    ~TableButtons() override;

    // Replaces the buttons of an earlier load. A table entry that is not a number throws FormatError
    // there: the tables before it keep their buttons.
    void build(const CatalogueParse::TablePlan& plan, PlanView* view, int largeurinit, int hauteurinit);
    void clear();

    int count() const { return static_cast<int>(m_tables.size()); }
    CatalogueKey* btable(int z) const;

Q_SIGNALS:
    void tableTapped(int n);

private:
    std::vector<QPointer<CatalogueKey>> m_tables;
    // a table on no plan tab is kept here, hidden for good
    QPointer<QWidget> m_unplaced;
};
