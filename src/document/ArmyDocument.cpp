#include "document/ArmyDocument.h"

#include "datafile/Loader.h"
#include "datafile/Writer.h"
#include "platform/CodePage.h"
#include "platform/DatafileOutput.h"
#include "platform/FileBytes.h"
#include "platform/IniFile.h"

#include <QFile>
#include <QFileInfo>

namespace
{

// The loader's progress, told to the watcher with the army being read.
class WatchedLoad : public LoadProgress
{
public:
    WatchedLoad(LoadWatcher& told, const Store& read) : watcher(told), army(read) {}

    void armyRead() override { watcher.armyRead(army.army); }
    void troopRead(int n) override { watcher.troopRead(n); }
    void raceMissing() override { watcher.raceMissing(); }

private:
    LoadWatcher& watcher;
    const Store& army;
};

// The army's name is held in capitals, as the main window shows and takes it.
void nameInCapitals(Store& army)
{
    army.army.name = upperWindows1252(army.army.name);
}

// The army a new document holds: no name, a unit called "Unit" and a squad called "Squad".
Store startArmy(const QLocale& locale)
{
    Store army(locale);
    army.army.unitWord = QStringLiteral("Unit");
    army.army.squadWord = QStringLiteral("Squad");
    return army;
}

} // namespace

ArmyDocument::ArmyDocument(const QLocale& collationLocale, QObject* parent)
    : QObject(parent), store(startArmy(collationLocale)), locale(collationLocale)
{
}

ArmyDocument::~ArmyDocument() = default;

void ArmyDocument::apply(const QString& name, const std::function<void(Store&)>& change)
{
    const bool wasModified = isModified();
    const Store before = store;
    change(store);
    record(name, QString(), StoreDelta::between(before, store), wasModified);
}

void ArmyDocument::applyTexts(const QString& name, const Army& texts)
{
    const bool wasModified = isModified();
    const Army before = store.army;
    store.army = texts;
    record(name, name, StoreDelta::ofTexts(before, texts, store.troopCount), wasModified);
}

void ArmyDocument::closeOpenStep()
{
    history.closeOpenStep();
}

void ArmyDocument::record(const QString& name, const QString& key, StoreDelta delta,
                          bool wasModified)
{
    const StoreDelta::Parts parts = delta.parts();
    if (HistoryStep* open = history.openStep(key)) {
        open->delta.append(delta);
        if (open->delta.isEmpty())
            history.dropLastStep();
        else
            history.recount();
    } else if (key.isEmpty() || !delta.isEmpty()) {
        history.record({name, std::move(delta), nullptr, key});
    }
    announce(parts, false, wasModified);
}

void ArmyDocument::undo()
{
    if (canUndo())
        step(history.undo(), false);
}

void ArmyDocument::redo()
{
    closeOpenStep();
    if (canRedo())
        step(history.redo(), true);
}

void ArmyDocument::step(const HistoryStep& step, bool forward)
{
    const bool wasModified = isModified();
    if (forward)
        step.delta.redo(store);
    else
        step.delta.undo(store);
    bool fileMoved = false;
    if (step.file) {
        current = forward ? step.file->second : step.file->first;
        fileMoved = true;
    }
    announce(step.delta.parts(), fileMoved, wasModified);
    emit historyStepped();
}

void ArmyDocument::announce(StoreDelta::Parts parts, bool fileMoved, bool wasModified)
{
    if (parts.texts)
        emit textsChanged();
    if (parts.troops)
        emit troopsChanged();
    if (parts.catalogues)
        emit cataloguesChanged();
    if (fileMoved)
        emit fileChanged();
    emit historyChanged();
    if (isModified() != wasModified)
        emit modifiedChanged(isModified());
}

void ArmyDocument::replaceArmy(const QString& name, const Store& army, ArmyFile file, bool saved)
{
    const bool wasModified = isModified();
    StoreDelta delta = StoreDelta::between(store, army);
    const StoreDelta::Parts parts = delta.parts();
    delta.redo(store);
    // Bytes equal to those held already are shared with them.
    if (file.bytes == current.bytes)
        file.bytes = current.bytes;
    auto files = std::make_shared<const std::pair<ArmyFile, ArmyFile>>(current, file);
    current = std::move(file);
    history.record({name, std::move(delta), std::move(files), QString()});
    if (saved)
        history.markSaved(current.path);
    announce(parts, true, wasModified);
}

ArmyDocument::LoadResult ArmyDocument::load(const QString& path, LoadWatcher& watcher)
{
    Store loaded(locale);
    QByteArray bytes;
    const LoadResult result = read(path, watcher, loaded, bytes);
    if (result.status == LoadStatus::Loaded)
        takeLoaded(path, loaded, std::move(bytes));
    return result;
}

ArmyDocument::LoadResult ArmyDocument::read(const QString& path, LoadWatcher& watcher, Store& army,
                                            QByteArray& bytes)
{
    LoadResult result;
    const IniFile file = IniFile::read(path, &result.reason, &bytes);
    if (!result.reason.isEmpty()) {
        result.status =
            result.reason == tooLargeReason() ? LoadStatus::TooLarge : LoadStatus::Unreadable;
        return result;
    }
    WatchedLoad progress(watcher, army);
    const LoadOutcome outcome = loadDatafile(army, file, progress);
    if (!outcome.raceFound) {
        result.status = LoadStatus::NotADatafile;
        return result;
    }
    result.status = LoadStatus::Loaded;
    result.troopsLeftOut = outcome.troopsLeftOut;
    result.mergedLines = int(outcome.droppedLines.size());
    nameInCapitals(army);
    return result;
}

// The first army loaded into an untouched new document is where the work begins: Undo has
// nothing to take back to. Any other load is a step.
void ArmyDocument::takeLoaded(const QString& path, const Store& army, QByteArray bytes)
{
    if (!canUndo() && !canRedo() && store == startArmy(locale))
        begin(army, {path, std::move(bytes)});
    else
        replaceArmy(QStringLiteral("Load \"") + QFileInfo(path).fileName() + u'"', army,
                    {path, std::move(bytes)}, true);
    setUnfinishedTroop(Troop());
}

bool ArmyDocument::saveAs(const QString& path, QString* reason)
{
    closeOpenStep();
    QByteArray bytes;
    if (!encodeDatafile(store, bytes, reason) || !replaceFileWith(path, bytes, reason))
        return false;
    const bool wasModified = isModified();
    current = {path, bytes};
    history.markSaved(path);
    emit fileChanged();
    if (wasModified)
        emit modifiedChanged(false);
    return true;
}

void ArmyDocument::setNewFile(const QString& path)
{
    if (history.isSaved(current.path))
        history.markSaved(path);
    current = {path, QByteArray()};
    emit fileChanged();
}

void ArmyDocument::restoreWork(const Store& army, const QString& path, const Troop* troop)
{
    QByteArray onDisk;
    QFile file(path);
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly))
        onDisk = file.readAll();
    Store restored = army;
    nameInCapitals(restored);
    for (int slot = restored.troopCount; slot < Store::slotCount; ++slot)
        resetSlot(restored, slot);
    replaceArmy(QStringLiteral("Restore Unsaved Work"), restored, {path, onDisk}, false);
    setUnfinishedTroop(troop ? *troop : Troop());
}

void ArmyDocument::startFrom(const Store& army)
{
    begin(army, current);
}

void ArmyDocument::begin(const Store& army, ArmyFile file)
{
    const StoreDelta::Parts parts = StoreDelta::between(store, army).parts();
    const bool wasModified = isModified();
    const bool fileMoved = file.path != current.path || file.bytes != current.bytes;
    store = army;
    current = std::move(file);
    history = History();
    history.markSaved(current.path);
    announce(parts, fileMoved, wasModified);
}

void ArmyDocument::setUnfinishedTroop(const Troop& troop)
{
    if (troop == unfinished)
        return;
    unfinished = troop;
    emit unfinishedTroopChanged();
}
