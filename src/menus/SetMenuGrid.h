#pragma once

#include "catalogue/CatalogueGeometry.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <vector>

class CatalogueKey;
class SetMenuView;

// The set-menu grid: 251 cells `bbbutton`[z], each painting its caption, seven to a column, on the set-menu
// screen's scroll box. The set-menu screens write the captions. The cells of a catalogue are kept as data until
// the set-menu screen is shown or a cell is asked for.
class SetMenuGrid final : public QObject
{
    Q_OBJECT

public:
    // the view owns its grid
    explicit SetMenuGrid(SetMenuView& view);

    // Takes on the cells for the start view's size in place of those of an earlier load; they are made at once
    // when the screen is up.
    void plan(int largeurinit, int hauteurinit);
    // Makes the cells planned and not made yet.
    void make();
    void clear();

    int count() const { return static_cast<int>(m_planned.size()); }
    CatalogueKey* cell(int z);

    // Cells 0 to texts.size() - 1 take those texts and show, but for a course the set menu does not have; every
    // other cell is hidden.
    void showCells(const QStringList& texts);
    QString cellText(int z);

Q_SIGNALS:
    void cellTapped(int z);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SetMenuView& m_view;
    std::vector<CatalogueGeometry::CellBox> m_planned;
    bool m_made = true;
    std::vector<QPointer<CatalogueKey>> m_cells;
    QPointer<QWidget> m_box;
};
