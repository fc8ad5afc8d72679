#pragma once

#include <QList>
#include <QWidget>

class QLabel;

// A status bar of text panels. Every panel but the last has a fixed width; the last takes the
// rest of the window's width.
class StatusBar : public QWidget
{
    Q_OBJECT
public:
    StatusBar(QWidget* parent, const QList<int>& widths, const QStringList& texts);

    int panelCount() const { return panels.size(); }
    QString panelText(int index) const;
    void setPanelText(int index, const QString& text);

private:
    QList<QLabel*> panels;
};
