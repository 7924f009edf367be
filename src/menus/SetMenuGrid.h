#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <vector>

class CatalogueKey;
class SetMenuView;

// The set-menu grid: 251 cells `bbbutton`[z], each painting its caption, seven to a column, on the set-menu
// screen's scroll box. The set-menu screens write the captions.
class SetMenuGrid final : public QObject
{
    Q_OBJECT

public:
    // Replaces the cells of an earlier load.
    void build(SetMenuView* formule, int largeurinit, int hauteurinit);
    void clear();

    int count() const { return static_cast<int>(m_cells.size()); }
    CatalogueKey* bbbutton(int z) const;

    // Cells 0 to texts.size() - 1 take those texts and show, but for a course the set menu does not have; every
    // other cell is hidden.
    void showCells(const QStringList& texts);
    QString cellText(int z) const;

Q_SIGNALS:
    void cellTapped(int z);

private:
    std::vector<QPointer<CatalogueKey>> m_cells;
    QPointer<QWidget> m_box;
};
