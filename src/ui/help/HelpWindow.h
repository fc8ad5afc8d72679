#pragma once

#include "ui/Dialog.h"
#include "ui/controls/Button.h"

#include <QFrame>
#include <QStringList>

class QGridLayout;
class QLabel;
class QScrollArea;
class QVBoxLayout;

// A bordered panel of a help page: lines of text top to bottom, and rows that put a copy of a
// control on the left and its explanation lines on its right.
class HelpPanel : public QFrame
{
    Q_OBJECT
public:
    explicit HelpPanel(QWidget* parent);

    QLabel* addLine(const QString& text);
    QLabel* addBoldLine(const QString& text);
    // A line set in a little under the one before it.
    QLabel* addIndentedLine(const QString& text);
    // A picture of a window's button, its explanation to its right.
    ButtonPicture* addButton(const QString& caption, ButtonIcon icon,
                             const QStringList& explanation);
    // A copy of a window's question, alone on its line or with its explanation to its right.
    QLabel* addQuestionLine(const QString& question);
    QLabel* addQuestionRow(const QString& question, const QStringList& explanation);
    // Any copy of a control on the left, its explanation to its right.
    void addRow(QWidget* left, const QStringList& explanation);
    // A drawing across the whole panel.
    void addDrawing(QWidget* drawing);

private:
    QLabel* addText(const QString& text, bool bold, int indent);

    QGridLayout* grid;
    int rows = 0;
};

// A fixed page of help on one window of the program, shown modally: bordered panels of text and
// pictures of that window's buttons, and OK at the bottom centre to close it. A page taller than
// the screen scrolls; OK stays in view below it.
class HelpWindow : public Dialog
{
    Q_OBJECT
public:
    HelpWindow(QWidget* opener, const QString& caption);

    // The label copy of a control's text, as the pages draw it: plain text, never wrapped.
    static QLabel* makeText(QWidget* parent, const QString& text, bool bold = false);

protected:
    // The bold line in a border at the top of a wizard step's page.
    QLabel* addBanner(const QString& text);
    HelpPanel* addPanel();
    // A line on the page itself, outside the panels.
    QLabel* addLine(const QString& text);
    // Del and Edit work alike in every list of the wizard and are explained alike.
    static void addDeleteAndEditButtons(HelpPanel& buttons);

    // Fixes the window at the page's client size, grown where the text needs more room and
    // kept within the screen, beyond which the page scrolls.
    void fixSize(QSize clientSize) override;

    void keyPressEvent(QKeyEvent* event) override;

private:
    Button* okButton;
    QScrollArea* page;
    QWidget* body;
    QVBoxLayout* bodyLayout;
    // The lines being added on the page between two panels, kept together.
    QVBoxLayout* pageLines = nullptr;
};
