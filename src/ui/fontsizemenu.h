// A pop-up menu of the point sizes a widget's text can take.
#pragma once

#include <QMenu>

// The items stand for 8, 10, 12 and 14 points, top to bottom, and are named
// for automation as the prefix followed by the size ("mainlist_size12").
class FontSizeMenu : public QMenu
{
    Q_OBJECT

public:
    static constexpr int pointSizes[] = {8, 10, 12, 14};

    FontSizeMenu(const QString &title, const QString &itemNamePrefix, QWidget *parent);

signals:
    void sizeChosen(int points);
};
