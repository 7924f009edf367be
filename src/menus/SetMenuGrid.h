#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <vector>

class ColourShape;
class SetMenuView;
class TapCaption;

// The set-menu grid: 251 cells `bbbutton`[z] with their captions `llabeltouche`[z], seven to a column,
// on the set-menu screen's scroll box. The set-menu screens write the captions.
class SetMenuGrid final : public QObject
{
    Q_OBJECT

public:
    // Replaces the cells of an earlier load.
    void build(SetMenuView* formule, int largeurinit, int hauteurinit);
    void clear();

    int count() const { return static_cast<int>(m_bodies.size()); }
    ColourShape* bbbutton(int z) const;
    TapCaption* llabeltouche(int z) const;

    // Cells 0 to texts.size() - 1 take those texts and show, but for a course the set menu does not have; every
    // other cell is hidden.
    void showCells(const QStringList& texts);
    QString cellText(int z) const;

Q_SIGNALS:
    void cellTapped(int z);

private:
    std::vector<QPointer<ColourShape>> m_bodies;
    std::vector<QPointer<TapCaption>> m_captions;
    QPointer<QWidget> m_box;
};
