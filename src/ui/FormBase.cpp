#include "ui/FormBase.h"

#include "ui/Forms.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QScreen>

FormBase::FormBase(Forms& forms, const QString& caption, Border border)
    : QWidget(nullptr), forms(forms)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (border == Border::Normal)
        flags |=
            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    else if (border == Border::CloseBox)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWindowTitle(caption);
}

FormBase::~FormBase()
{
    if (forms.Active == this)
        forms.Active = nullptr;
}

void FormBase::SetClientSize(int width, int height)
{
    if (layout())
        layout()->activate();
    const QSize needed = minimumSizeHint().expandedTo(sizeHint());
    setFixedSize(qMax(width, needed.width()), qMax(height, needed.height()));
}

void FormBase::CentreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void FormBase::showEvent(QShowEvent* event)
{
    if (!centred) {
        CentreOnScreen();
        centred = true;
    }
    QWidget::showEvent(event);
}

void FormBase::Activate()
{
    forms.Active = this;
    // The headless platform of the tests cannot raise windows and says so; nothing is lost.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        raise();
    activateWindow();
    FormActivate();
}

void FormBase::Show()
{
    show();
    Activate();
}

void FormBase::Hide()
{
    hide();
}

int FormBase::ShowModal()
{
    FormBase* opener = forms.Active;
    modalResult = mrNone;
    modal = true;
    setWindowModality(Qt::ApplicationModal);
    show();
    Activate();
    RunModalWindow(*this, modalLoop);
    if (modalResult == mrNone)
        close();
    if (modalResult == mrNone)
        modalResult = mrCancel;
    modal = false;
    hide();
    setWindowModality(Qt::NonModal);
    forms.Active = opener;
    if (opener && opener->isVisible())
        opener->Activate();
    return modalResult;
}

void FormBase::SetModalResult(int result)
{
    modalResult = result;
    if (modal && result != mrNone)
        modalLoop.quit();
}

void FormBase::SetTabOrder(std::initializer_list<QWidget*> order)
{
    QWidget* previous = nullptr;
    for (QWidget* next : order) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
}

void FormBase::PressButton(QPushButton* button)
{
    if (!button || !button->isEnabled() || !button->isVisible())
        return;
    button->setFocus(Qt::OtherFocusReason);
    button->click();
}

void FormBase::closeEvent(QCloseEvent* event)
{
    bool canClose = true;
    FormCloseQuery(canClose);
    if (!canClose) {
        event->ignore();
        return;
    }
    FormClose();
    if (modal && modalResult == mrNone)
        SetModalResult(mrCancel);
    event->accept();
}

void FormBase::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget()))
            PressButton(focused);
        else
            PressButton(defaultButton);
        return;
    case Qt::Key_Escape:
        PressButton(cancelButton);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
