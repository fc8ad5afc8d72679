#include "store/LineOps.h"

#include "store/Store.h"

QString field(const QString& line, int n)
{
    if (n <= 0)
        return QString();
    int start = 0;
    for (int field = 1; field < n; ++field) {
        const int comma = line.indexOf(u',', start);
        if (comma < 0)
            return QString();
        start = comma + 1;
    }
    const int end = line.indexOf(u',', start);
    return line.mid(start, end < 0 ? -1 : end - start);
}

void commaToSemicolon(QString& text)
{
    text.replace(u',', u';');
}

int findEntry(const QString& name, const LineList* list)
{
    if (!list)
        return -1;
    for (int i = 0; i < list->count(); ++i) {
        if (field((*list)[i], 1) == name)
            return i;
    }
    return -1;
}

QString roleCode(const QString& roleName)
{
    static const struct {
        const char16_t* longName;
        const char16_t* code;
    } roles[] = {{u"HeadQuarters", u"HQ"},
                 {u"Elites", u"EL"},
                 {u"Troops", u"TR"},
                 {u"Fast Attack", u"FA"},
                 {u"Heavy Support", u"HS"}};
    for (const auto& role : roles) {
        if (roleName == QStringView(role.longName))
            return QString::fromUtf16(role.code);
    }
    return QString();
}

QString roleName(const QString& code)
{
    for (const char16_t* name :
         {u"HeadQuarters", u"Elites", u"Troops", u"Fast Attack", u"Heavy Support"}) {
        const QString longName = QString::fromUtf16(name);
        if (!code.isEmpty() && roleCode(longName) == code)
            return longName;
    }
    return QString();
}

bool troopNameExists(const Store& store, int ownSlot, const QString& name, const QString& roleName)
{
    const QString code = roleCode(roleName);
    for (int i = 0; i < store.troopCount && i < Store::slotCount; ++i) {
        if (i == ownSlot)
            continue;
        const Troop& troop = store.troops[i];
        if (troop.role == code && troop.name == name)
            return true;
    }
    return false;
}

void clampWeaponLimit(const Troop& troop, int& value)
{
    int lines = 0;
    for (const auto* list : {troop.standardWeapons.get(), troop.replaceableWeapons.get(),
                             troop.additionalWeapons.get()}) {
        if (list)
            lines += list->count();
    }
    if (lines < value)
        value = lines;
}
