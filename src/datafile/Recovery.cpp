#include "datafile/Recovery.h"

#include "datafile/Loader.h"
#include "platform/DatafileOutput.h"
#include "platform/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QUrl>
#include <algorithm>

namespace
{

const QByteArray unfinishedSection = "[QuarrimakUnfinishedTroop]";
const QByteArray workSection = "[QuarrimakRecovery]";
const QString filePattern = QStringLiteral("recovery-*.ini");
// The first line of a recovery file names its form and the form's version.
const QByteArray formName = "Quarrimak recovery copy ";
constexpr int formVersion = 2;

class QuietProgress : public LoadProgress
{
public:
    void armyRead() override {}
    void troopRead(int) override {}
    void raceMissing() override {}
};

std::unique_ptr<QLockFile> lockOf(const QString& path)
{
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    return lock;
}

using TroopText = QString Troop::*;
using TroopList = std::unique_ptr<LineList> Troop::*;

const std::pair<const char*, TroopText> troopTexts[] = {
    {"Name", &Troop::name},
    {"Points", &Troop::points},
    {"Role", &Troop::role},
    {"MinModels", &Troop::minModels},
    {"MaxModels", &Troop::maxModels},
    {"FrontArmour", &Troop::frontArmour},
    {"SideArmour", &Troop::sideArmour},
    {"RearArmour", &Troop::rearArmour},
    {"Characteristics", &Troop::characteristics},
    {"WeaponLimit", &Troop::weaponLimit},
    {"AbilityLimits", &Troop::abilityLimits},
};
const std::pair<const char*, TroopList> troopLists[] = {
    {"StandardWeapons", &Troop::standardWeapons},
    {"ReplaceableWeapons", &Troop::replaceableWeapons},
    {"AdditionalWeapons", &Troop::additionalWeapons},
    {"Abilities", &Troop::abilities},
    {"ReservedList", &Troop::reservedList},
};
const std::pair<const char*, QString Army::*> armyTexts[] = {
    {"Name", &Army::name},
    {"UnitWord", &Army::unitWord},
    {"SquadWord", &Army::squadWord},
};
const std::pair<const char*, std::unique_ptr<LineList> Store::*> catalogues[] = {
    {"WeaponCatalogue", &Store::weaponCatalogue},
    {"AbilityCatalogue", &Store::abilityCatalogue},
};

// Every line is "key=value" or "[section]". A value is kept as it is, blanks included, except
// that "\" is written "\\", a line feed "\n" and a carriage return "\r".
QByteArray escaped(const QString& value)
{
    QByteArray bytes = value.toUtf8();
    if (!bytes.contains('\\') && !bytes.contains('\n') && !bytes.contains('\r'))
        return bytes;
    return bytes.replace('\\', "\\\\").replace('\n', "\\n").replace('\r', "\\r");
}

bool unescape(QStringView text, QString& value)
{
    value.clear();
    value.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            value += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        const char16_t code = text[i].unicode();
        if (code != u'\\' && code != u'n' && code != u'r')
            return false;
        value += code == u'\\' ? u'\\' : code == u'n' ? u'\n' : u'\r';
    }
    return true;
}

class RecoveryText
{
public:
    void section(const QByteArray& name) { bytes += '[' + name + "]\n"; }
    void text(const char* key, const QString& value)
    {
        bytes += key;
        bytes += '=';
        bytes += escaped(value);
        bytes += '\n';
    }
    // A list is its kind ("None", "Plain" or "Sorted"), then its lines as "Item" one by one.
    void list(const char* key, const std::unique_ptr<LineList>& list)
    {
        text(key, !list              ? QStringLiteral("None")
                  : list->isSorted() ? QStringLiteral("Sorted")
                                     : QStringLiteral("Plain"));
        if (list)
            for (const QString& line : list->lines())
                text("Item", line);
    }
    QByteArray bytes;
};

// The form of earlier versions: the army's datafile in Windows-1252, then the unfinished troop
// and the work's file and time in sections of their own.
bool readDatafileForm(const QByteArray& bytes, RecoveredWork& work, QString* reason)
{
    const IniFile file = IniFile::parse(bytes);
    const QString section = QString::fromLatin1(workSection.mid(1, workSection.size() - 2));
    if (!file.hasSection(QStringLiteral("Race")) || !file.hasSection(section)) {
        if (reason)
            *reason = QStringLiteral("it holds no army.");
        return false;
    }
    QuietProgress quiet;
    loadDatafile(work.army, file, quiet);
    work.file = QUrl::fromPercentEncoding(
        file.value(section, QStringLiteral("File"), QString()).toLatin1());
    work.time = QDateTime::fromString(file.value(section, QStringLiteral("Time"), QString()),
                                      Qt::ISODateWithMs);
    const QString unfinished =
        QString::fromLatin1(unfinishedSection.mid(1, unfinishedSection.size() - 2));
    work.unfinishedTroop = file.hasSection(unfinished) && work.army.troopCount < Store::slotCount;
    if (work.unfinishedTroop) {
        // The section is read as the only troop of an army of its own.
        const qsizetype start = bytes.indexOf(unfinishedSection + "\r\n");
        qsizetype end = bytes.indexOf("\r\n[", start + 1);
        end = end < 0 ? bytes.size() : end + 2;
        const QByteArray troop =
            "[Race]\r\n[Troop1]\r\n" + bytes.mid(start + unfinishedSection.size() + 2,
                                                 end - start - unfinishedSection.size() - 2);
        Store alone(QLocale::c());
        loadDatafile(alone, IniFile::parse(troop), quiet);
        work.army.troops[size_t(work.army.troopCount)] = alone.troops[0];
    }
    return true;
}

// Reads the lines after the first; false with the reason at the first line it cannot take.
class RecoveryReader
{
public:
    explicit RecoveryReader(RecoveredWork& into) : work(into) {}

    bool readLine(QStringView line, QString* reason)
    {
        if (line.startsWith(u'[') && line.endsWith(u']'))
            return enterSection(line.mid(1, line.size() - 2), reason);
        const qsizetype equals = line.indexOf(u'=');
        QString value;
        if (equals < 0 || !unescape(line.mid(equals + 1), value))
            return fail(reason, QStringLiteral("a line is not understood."));
        const QStringView key = line.left(equals);
        if (key == u"Item") {
            if (!list)
                return fail(reason, QStringLiteral("a line stands in no list."));
            list->add(value);
            return true;
        }
        list = nullptr;
        if (troop)
            return readTroopKey(key, value, reason);
        if (inArmy)
            return readArmyKey(key, value, reason);
        if (inWork)
            return readWorkKey(key, value, reason);
        return fail(reason, QStringLiteral("a line stands in no section."));
    }

    bool finish(QString* reason)
    {
        if (!armyRead)
            return fail(reason, QStringLiteral("it holds no army."));
        work.unfinishedTroop = work.unfinishedTroop && work.army.troopCount < Store::slotCount;
        return true;
    }

private:
    static bool fail(QString* reason, const QString& why)
    {
        if (reason)
            *reason = why;
        return false;
    }

    bool enterSection(QStringView name, QString* reason)
    {
        troop = nullptr;
        list = nullptr;
        inWork = name == u"Work";
        inArmy = name == u"Army";
        armyRead = armyRead || inArmy;
        if (inWork || inArmy)
            return true;
        bool number = false;
        const int slot = name.startsWith(u"Troop ") ? name.mid(6).toInt(&number) - 1 : -1;
        if (!number || slot < 0 || slot >= Store::slotCount)
            return fail(reason, QStringLiteral("a section is not understood."));
        troop = &work.army.troops[size_t(slot)];
        return true;
    }

    // A list's kind makes it anew, and the lines that follow go into it.
    bool startList(std::unique_ptr<LineList>& target, const QString& kind, QString* reason)
    {
        if (kind == u"None")
            target.reset();
        else if (kind == u"Plain")
            target = work.army.newPlainList();
        else if (kind == u"Sorted")
            target = work.army.newSortedList();
        else
            return fail(reason, QStringLiteral("a list is of no known kind."));
        list = target.get();
        return true;
    }

    bool readTroopKey(QStringView key, const QString& value, QString* reason)
    {
        for (const auto& [name, member] : troopTexts)
            if (key == QLatin1String(name)) {
                troop->*member = value;
                return true;
            }
        for (const auto& [name, member] : troopLists)
            if (key == QLatin1String(name))
                return startList(troop->*member, value, reason);
        return fail(reason, QStringLiteral("a troop holds an unknown field."));
    }

    bool readArmyKey(QStringView key, const QString& value, QString* reason)
    {
        for (const auto& [name, member] : armyTexts)
            if (key == QLatin1String(name)) {
                work.army.army.*member = value;
                return true;
            }
        for (const auto& [name, member] : catalogues)
            if (key == QLatin1String(name))
                return startList(work.army.*member, value, reason);
        if (key == u"TroopCount") {
            bool number = false;
            const int count = value.toInt(&number);
            if (!number || count < 0 || count > Store::slotCount)
                return fail(reason, QStringLiteral("the number of troops is not understood."));
            work.army.troopCount = count;
            return true;
        }
        return fail(reason, QStringLiteral("the army holds an unknown field."));
    }

    bool readWorkKey(QStringView key, const QString& value, QString* reason)
    {
        bool number = true;
        if (key == u"File")
            work.file = value;
        else if (key == u"Time")
            work.time = QDateTime::fromString(value, Qt::ISODateWithMs);
        else if (key == u"Step")
            work.step = qBound(2, value.toInt(&number), 7);
        else if (key == u"UnfinishedTroop")
            work.unfinishedTroop = value == u"1";
        else
            return fail(reason, QStringLiteral("the work holds an unknown field."));
        return number || fail(reason, QStringLiteral("the wizard's step is not understood."));
    }

    RecoveredWork& work;
    Troop* troop = nullptr;
    LineList* list = nullptr;
    bool inWork = false;
    bool inArmy = false;
    bool armyRead = false;
};

} // namespace

QByteArray recoveryBytes(const RecoveredWork& work)
{
    RecoveryText out;
    out.bytes = formName + QByteArray::number(formVersion) + '\n';
    out.section("Work");
    out.text("File", work.file);
    out.text("Time", work.time.toUTC().toString(Qt::ISODateWithMs));
    out.text("Step", QString::number(work.step));
    out.text("UnfinishedTroop", work.unfinishedTroop ? QStringLiteral("1") : QStringLiteral("0"));
    const Store& army = work.army;
    out.section("Army");
    for (const auto& [name, member] : armyTexts)
        out.text(name, army.army.*member);
    out.text("TroopCount", QString::number(army.troopCount));
    for (const auto& [name, member] : catalogues)
        out.list(name, army.*member);
    // Every slot that holds anything is kept, so that the army comes back as it was.
    const Troop blank;
    for (int slot = 0; slot < Store::slotCount; ++slot) {
        const Troop& troop = army.troops[size_t(slot)];
        if (slot >= army.troopCount && troop == blank)
            continue;
        out.section("Troop " + QByteArray::number(slot + 1));
        for (const auto& [name, member] : troopTexts)
            out.text(name, troop.*member);
        for (const auto& [name, member] : troopLists)
            out.list(name, troop.*member);
    }
    return out.bytes;
}

bool readRecovery(const QByteArray& bytes, RecoveredWork& work, QString* reason)
{
    work = RecoveredWork();
    if (!bytes.startsWith(formName))
        return readDatafileForm(bytes, work, reason);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError()) {
        if (reason)
            *reason = QStringLiteral("it is not in UTF-8.");
        return false;
    }
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    bool number = false;
    const int version = lines[0].mid(formName.size()).trimmed().toInt(&number);
    if (!number || version != formVersion) {
        if (reason)
            *reason = number && version > formVersion
                          ? QStringLiteral("it was written by a newer version of Quarrimak.")
                          : QStringLiteral("its form is not known.");
        return false;
    }
    RecoveryReader reader(work);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QStringView line = lines[i];
        // Line ends that an editor turned into CR LF are read as they were.
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!line.isEmpty() && !reader.readLine(line, reason))
            return false;
    }
    return reader.finish(reason);
}

RecoveryFile::RecoveryFile(QString recoveryFolder) : folder(std::move(recoveryFolder)) {}

RecoveryFile::~RecoveryFile() = default;

QString RecoveryFile::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

// The file is named after this program's run the first time it is written, and locked.
bool RecoveryFile::claim(QString* reason)
{
    if (lock)
        return true;
    if (!QDir().mkpath(folder)) {
        if (reason)
            *reason = QStringLiteral("The folder ") + folder + QStringLiteral(" cannot be made.");
        return false;
    }
    const QString name = QStringLiteral("recovery-%1-%2.ini")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate64(), 0, 16);
    filePath = folder + u'/' + name;
    lock = lockOf(filePath);
    if (!lock->tryLock(0)) {
        lock.reset();
        if (reason)
            *reason = QStringLiteral("The recovery file ") + filePath +
                      QStringLiteral(" cannot be locked.");
        return false;
    }
    return true;
}

bool RecoveryFile::write(const RecoveredWork& work, QString* reason)
{
    return claim(reason) && replaceFileWith(filePath, recoveryBytes(work), reason);
}

bool RecoveryFile::exists() const
{
    return !filePath.isEmpty() && QFileInfo::exists(filePath);
}

void RecoveryFile::remove()
{
    if (!filePath.isEmpty())
        QFile::remove(filePath);
}

bool LeftWork::read(RecoveredWork& work, QString* reason) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    QString why;
    if (readRecovery(file.readAll(), work, &why))
        return true;
    if (reason)
        *reason = QStringLiteral("The file ") + path +
                  QStringLiteral(" holds no army that can be restored: ") + why;
    return false;
}

void LeftWork::discard()
{
    QFile::remove(path);
    if (lock)
        lock->unlock();
}

void LeftWork::setAside()
{
    QFile::remove(path + QStringLiteral(".bad"));
    QFile::rename(path, path + QStringLiteral(".bad"));
    if (lock)
        lock->unlock();
}

namespace
{

// A killed write leaves its temporary file (".<copy>.<process>-<random>.tmp") and, when its copy
// is gone, its lock; both go once no running program holds that copy's lock.
void removeKilledWrites(const QString& folder)
{
    const QRegularExpression leftover(
        QStringLiteral("^\\.?(recovery-.*\\.ini)(\\.\\d+-[0-9a-z]+\\.tmp|\\.lock)$"));
    const QDir files(folder);
    const QStringList names =
        files.entryList({QStringLiteral("*recovery-*.tmp"), QStringLiteral("recovery-*.lock")},
                        QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = leftover.match(name);
        const bool temporary = name.startsWith(u'.') && name.endsWith(QStringLiteral(".tmp"));
        const QString copy = files.filePath(match.captured(1));
        if (!match.hasMatch() || (!temporary && QFileInfo::exists(copy)))
            continue;
        auto lock = lockOf(copy);
        if (lock->tryLock(0) && temporary)
            QFile::remove(files.filePath(name));
    }
}

} // namespace

std::vector<LeftWork> leftWork(const QString& folder)
{
    removeKilledWrites(folder);
    std::vector<LeftWork> found;
    const QFileInfoList files = QDir(folder).entryInfoList({filePattern}, QDir::Files, QDir::Time);
    for (const QFileInfo& info : files) {
        auto lock = lockOf(info.filePath());
        // A lock that a running program holds cannot be taken; that of a program that died
        // is stale and taken over.
        if (!lock->tryLock(0))
            continue;
        found.push_back({info.filePath(), std::move(lock), info.lastModified()});
    }
    return found;
}
