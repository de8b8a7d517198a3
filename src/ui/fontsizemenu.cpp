// A pop-up menu of the point sizes a widget's text can take.
#include "ui/fontsizemenu.h"

FontSizeMenu::FontSizeMenu(const QString &title, const QString &itemNamePrefix, QWidget *parent)
    : QMenu(title, parent)
{
    for (int points : pointSizes) {
        QAction *item = addAction(tr("%1 Pt").arg(points));
        item->setObjectName(itemNamePrefix + QString::number(points));
        connect(item, &QAction::triggered, this, [this, points] { emit sizeChosen(points); });
    }
}
