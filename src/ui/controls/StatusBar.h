#pragma once

#include <QList>
#include <QTimer>
#include <QWidget>

class QLabel;

// A status bar of text panels. Every panel but the last has a fixed width; the last takes the
// rest of the window's width. A message can stand across the whole bar for a while.
class StatusBar : public QWidget
{
    Q_OBJECT
public:
    StatusBar(QWidget* parent, const QList<int>& widths, const QStringList& texts);

    int panelCount() const { return panels.size(); }
    QString panelText(int index) const;
    void setPanelText(int index, const QString& text);

    // The message stands in the panels' place for the given milliseconds, or with 0 until it is
    // cleared or another takes its place. Too long for the bar, it is shortened in the middle;
    // its tool tip holds it whole.
    void showMessage(const QString& text, int timeout);
    // The panels are shown again.
    void clearMessage();
    // The message shown now, or the empty text while the panels are shown.
    QString currentMessage() const;

private:
    QList<QLabel*> panels;
    QLabel* messagePanel;
    QTimer messageTimer;
};
