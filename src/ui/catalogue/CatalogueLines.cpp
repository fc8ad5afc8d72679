#include "ui/catalogue/CatalogueLines.h"

#include "store/LineList.h"

int addLine(LineList& list, const QString& line)
{
    const int position = list.add(line);
    return list[position] == line ? position : -1;
}

bool replaceLine(LineList& list, int index, const QString& line)
{
    if (index < 0 || index >= list.count())
        return false;
    const QString old = list[index];
    list.removeAt(index);
    if (addLine(list, line) >= 0)
        return true;
    list.add(old);
    return false;
}
