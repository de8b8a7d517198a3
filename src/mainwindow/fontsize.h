#pragma once

#include <QtGlobal>

class QWidget;

// Sets the point size of all of the widget's text.
void setpointsize(QWidget *widget, qreal points);
