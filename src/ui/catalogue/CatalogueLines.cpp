#include "ui/catalogue/CatalogueLines.h"

#include "store/StringList.h"

int AddLine(StringList& list, const QString& line)
{
    const int position = list.Add(line);
    return list[position] == line ? position : -1;
}

bool ReplaceLine(StringList& list, int index, const QString& line)
{
    if (index < 0 || index >= list.Count())
        return false;
    const QString old = list[index];
    list.Delete(index);
    if (AddLine(list, line) >= 0)
        return true;
    list.Add(old);
    return false;
}
