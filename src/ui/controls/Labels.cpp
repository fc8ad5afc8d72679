#include "ui/controls/Labels.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace
{

// Down in a filter field goes on into its list, as from a search field into its results, onto
// the current item or else the first. In a list of single selection the item reached is
// selected; in one where each click toggles an item, reaching it selects nothing.
class FilterKeys : public QObject
{
public:
    FilterKeys(QLineEdit* edit, QAbstractItemView* filtered) : QObject(edit), list(filtered) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Down ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        const QAbstractItemModel* model = list->model();
        QModelIndex reached = list->currentIndex();
        if (!reached.isValid() && model && model->rowCount() > 0)
            reached = model->index(0, 0);
        list->setFocus(Qt::TabFocusReason);
        if (reached.isValid()) {
            if (list->selectionMode() == QAbstractItemView::SingleSelection)
                list->setCurrentIndex(reached);
            else
                list->selectionModel()->setCurrentIndex(reached, QItemSelectionModel::NoUpdate);
        }
        return true;
    }

private:
    QAbstractItemView* list;
};

} // namespace

QLabel* makeLabel(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* makeHeading(QWidget* parent, const QString& text)
{
    QLabel* heading = makeLabel(parent, text);
    heading->setFrameStyle(QFrame::Panel | QFrame::Raised);
    heading->setAlignment(Qt::AlignCenter);
    heading->setMargin(2);
    return heading;
}

QHBoxLayout* makeFilterRow(QWidget* parent, QLabel*& label, QLineEdit*& edit,
                           QAbstractItemView* list)
{
    label = new QLabel(QStringLiteral("&Filter:"), parent);
    edit = new QLineEdit(parent);
    edit->setAccessibleName(QStringLiteral("Filter"));
    edit->setClearButtonEnabled(true);
    label->setBuddy(edit);
    edit->installEventFilter(new FilterKeys(edit, list));
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(edit, 1);
    return row;
}
