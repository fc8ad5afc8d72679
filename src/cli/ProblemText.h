#pragma once

#include <QString>

class QLocale;

struct Problem;

// What the problem is, as the check's report and --check say it: "standard weapon "Rifle" is
// not in the weapon catalogue".
QString problemText(const Problem& problem);

// How many errors and warnings the check found, each number written by the locale: "1 error,
// 2 warnings".
QString problemCountText(int errors, int warnings, const QLocale& locale);
