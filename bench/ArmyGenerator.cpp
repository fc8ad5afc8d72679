#include "ArmyGenerator.h"

#include <array>
#include <random>

namespace
{

// In alphabetical order, so that names made from them in order sort in order.
const std::array<const char*, 16> words = {"Brass", "Cinder", "Crown",  "Ember", "Gale",   "Hollow",
                                           "Lance", "Moor",   "Pike",   "Rift",  "Shrike", "Storm",
                                           "Talon", "Thorn",  "Volley", "Warden"};
const std::array<const char*, 5> roles = {"HQ", "EL", "TR", "FA", "HS"};
const std::array<const char*, 6> kinds = {"Pistol",     "Assault 1", "Assault 2",
                                          "Rapid Fire", "Heavy 3",   "Close combat"};

// A reproducible stream of numbers: std::mt19937 yields the same sequence everywhere, and only
// its raw output is used (the standard distributions may differ between libraries).
class Dice
{
public:
    explicit Dice(quint32 seed) : engine(seed) {}
    int roll(int sides) { return int(engine() % quint32(sides)); }
    const char* word() { return words[size_t(roll(int(words.size())))]; }

private:
    std::mt19937 engine;
};

QByteArray number(qint64 n)
{
    return QByteArray::number(n);
}

// Names are unique through their running number, so every catalogue entry is kept on loading.
// A troop's lines name catalogue entries by these same names. A catalogue's names come in sorted
// order (up to 245,760 weapons), as the editor saves them.
QByteArray weaponName(int index)
{
    return QByteArray(words[size_t(qMin(index / 16384, 15))]) + ' ' +
           words[size_t(index / 1024 % 16)] + ' ' + number(index + 1).rightJustified(6, '0');
}

QByteArray abilityName(int index)
{
    return QByteArray(words[size_t(qMin(index / 2048, 15))]) + " gift " +
           number(index + 1).rightJustified(5, '0');
}

QByteArray weaponEntry(Dice& dice, const QByteArray& name)
{
    return name + ',' + number(6 + 6 * dice.roll(8)) + ',' + number(1 + dice.roll(10)) + ',' +
           number(1 + dice.roll(6)) + ',' + kinds[size_t(dice.roll(int(kinds.size())))] + ',' +
           dice.word() + " blast; rerolls " + dice.word() + " up close";
}

void line(QByteArray& out, const QByteArray& text)
{
    out += text;
    out += "\r\n";
}

void writeTroop(QByteArray& out, Dice& dice, int n, const ArmyShape& shape)
{
    const auto weapon = [&] {
        return weaponName(dice.roll(qMin(shape.weapons, 2000)));
    };
    line(out, "[Troop" + number(n) + ']');
    line(out, "Name=" + QByteArray(dice.word()) + " squad " + number(n));
    line(out, "Points=" + number(20 + 5 * dice.roll(40)));
    line(out, "Type=" + QByteArray(roles[size_t(n % int(roles.size()))]));
    line(out, "Min=" + number(1 + dice.roll(5)));
    line(out, "Max=" + number(5 + dice.roll(10)));
    line(out, "f_arm=" + number(10 + dice.roll(5)));
    line(out, "s_arm=" + number(10 + dice.roll(4)));
    line(out, "r_arm=" + number(10 + dice.roll(3)));
    line(out, "Chars=4,4,3,3,1,4,1,8,3+");
    line(out, "Weapons=" + number(1 + dice.roll(3)));
    for (int i = 1; i <= 20; ++i)
        line(out, "Weapon" + number(i) + '=' + weapon());
    for (int i = 1; i <= 10; ++i) {
        QByteArray replaceable =
            "R_Weapon" + number(i) + '=' + number(1 + dice.roll(5)) + ',' + weapon();
        for (int j = 0; j < 4; ++j)
            replaceable += ',' + weapon() + ',' + number(1 + dice.roll(15));
        line(out, replaceable);
    }
    for (int i = 1; i <= 20; ++i)
        line(out, "A_Weapon" + number(i) + '=' + weapon() + ',' + number(1 + dice.roll(20)));
    line(out, "Specials=2,1,1");
    for (int i = 1; i <= 20; ++i)
        line(out, "Special" + number(i) + '=' + number(1 + dice.roll(3)) + ',' +
                      abilityName(dice.roll(qMin(shape.abilities, 500))) + ',' +
                      number(5 * dice.roll(6)) + (dice.roll(2) ? ",1" : ""));
    line(out, QByteArray());
}

} // namespace

ArmyShape maximalArmy()
{
    return ArmyShape{};
}

ArmyShape bigArmy()
{
    ArmyShape shape;
    shape.weapons = 100000;
    shape.abilities = 20000;
    return shape;
}

ArmyShape sizedArmy(double megabytes)
{
    ArmyShape shape;
    shape.targetBytes = qint64(megabytes * 1024 * 1024);
    return shape;
}

QByteArray generateArmy(const ArmyShape& shape, quint32 seed)
{
    Dice dice(seed);
    QByteArray out;
    line(out, ";  This file is created by the datafile creation utility for Varnhold army lists");
    for (int i = 0; i < 9; ++i)
        line(out, ";");
    line(out, QByteArray());
    line(out, "[Race]");
    line(out, "Name=BENCH HOST");
    line(out, "UnitName=Brood");
    line(out, "SquadName=Swarm");
    line(out, QByteArray());
    for (int n = 1; n <= shape.troops; ++n)
        writeTroop(out, dice, n, shape);

    QByteArray abilities = "\r\n[Specials]\r\n";
    for (int i = 0; i < shape.abilities; ++i)
        line(abilities, number(i + 1) + '=' + abilityName(i) + ',' + dice.word() +
                            " warriors strike first in the " + dice.word() + " phase");

    line(out, "[WeaponSpecs]");
    int weapons = 0;
    while (weapons < shape.weapons ||
           (shape.targetBytes > 0 && out.size() + abilities.size() < shape.targetBytes)) {
        line(out, number(weapons + 1) + '=' + weaponEntry(dice, weaponName(weapons)));
        ++weapons;
    }
    out += abilities;
    return out;
}
