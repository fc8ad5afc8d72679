#pragma once

#include "ui/FormBase.h"

class BitBtn;
class QLabel;

// The window that refuses a file without a [Race] section.
class TForm13 : public FormBase
{
    Q_OBJECT
public:
    explicit TForm13(Forms& forms);

    QLabel* Panel2;
    QWidget* Panel1;
    QLabel* Label1;
    QLabel* Label2;
    BitBtn* BitBtn1;
};
