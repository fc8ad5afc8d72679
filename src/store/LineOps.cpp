#include "store/LineOps.h"

#include "store/ComVars.h"

QString GetField(const QString& line, int n)
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

void CommaToSemicolon(QString& text)
{
    text.replace(u',', u';');
}

int FindEntry(const QString& name, const StringList* list)
{
    if (!list)
        return -1;
    for (int i = 0; i < list->Count(); ++i) {
        if (GetField((*list)[i], 1) == name)
            return i;
    }
    return -1;
}

QString RoleCode(const QString& roleName)
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

bool TroopNameExists(const Store& store, const QString& name, const QString& roleName)
{
    const QString code = RoleCode(roleName);
    for (int i = 0; i < store.TroopCount && i < Store::TroopSlots; ++i) {
        if (i == store.CurrentTroop)
            continue;
        const TheRec& troop = store.TroopTable[i];
        if (troop.Type == code && troop.Name == name)
            return true;
    }
    return false;
}

void ClampToWeaponCount(const Store& store, int& value)
{
    const TheRec& troop = store.Current();
    int lines = 0;
    for (const auto* list :
         {troop.WeaponList.get(), troop.R_WeaponList.get(), troop.A_WeaponList.get()}) {
        if (list)
            lines += list->Count();
    }
    if (lines < value)
        value = lines;
}
