#pragma once

#include <QObject>

class QWidget;

// A window that takes a datafile dropped on it: one local file is offered as dropped(), as Load
// would take it; anything else is refused.
class FileDrop : public QObject
{
    Q_OBJECT
public:
    explicit FileDrop(QWidget* window);

signals:
    void dropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
