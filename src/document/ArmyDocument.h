#pragma once

#include "document/History.h"
#include "store/ArmyChange.h"
#include "store/Store.h"

#include <QLocale>
#include <QObject>
#include <functional>

// What a window shows while the document loads a datafile.
class LoadWatcher
{
public:
    virtual ~LoadWatcher() = default;
    // The army's name and words have been read.
    virtual void armyRead(const Army& army) = 0;
    // Troop n (from 1) has been read.
    virtual void troopRead(int n) = 0;
    // The file has no [Race] section: it is no datafile, and nothing of it is taken.
    virtual void raceMissing() = 0;
};

// The army being edited: the army itself, its file (the path and what the file holds on disk),
// the history of its changes and whether it differs from its file. Every change reaches the
// army through apply(), as one named step that can be undone; the document then says what
// changed, and the windows that show it follow. Several documents live side by side, each
// with its own history.
class ArmyDocument : public QObject
{
    Q_OBJECT
public:
    // A new army, as the main window's questions propose it: no name, a unit called "Unit" and a
    // squad called "Squad"; no troops, empty catalogues, no file. Sorted lists follow the
    // locale's collation.
    explicit ArmyDocument(const QLocale& locale = QLocale(), QObject* parent = nullptr);
    ~ArmyDocument() override;

    const Store& army() const { return store; }
    const ArmyFile& file() const { return current; }
    const QString& filePath() const { return current.path; }
    // The army differs from what its file held when last saved or loaded: the history stands
    // elsewhere than at that moment.
    bool isModified() const { return !history.isSaved(current.path); }

    // The change, as one step of the history under its name.
    void apply(const QString& name, const std::function<void(Store&)>& change);
    void apply(const ArmyChange& change) { apply(change.name, change.apply); }
    // What the windows that change the army are handed: apply() of this document.
    ArmyChanger changer()
    {
        return [this](const ArmyChange& change) {
            apply(change);
        };
    }
    // The army's texts as typed: the change joins the last step while that step is open for
    // the same name (every key typed into one field), else it opens a step of its own; a step
    // typed back to nothing goes.
    void applyTexts(const QString& name, const Army& texts);
    // The open step takes no more changes.
    void closeOpenStep();

    enum class LoadStatus { Loaded, Unreadable, TooLarge, NotADatafile };
    struct LoadResult {
        LoadStatus status = LoadStatus::Unreadable;
        QString reason;
        // The file holds more troops than the army has slots; the first 100 were taken.
        bool troopsLeftOut = false;
        // Catalogue lines merged into others that they repeated in other letter case.
        int mergedLines = 0;
    };
    // Replaces the army with the datafile's, as one step ("Load \"vhold.ini\""), or as the
    // start of the history when the document is new and untouched; the file becomes the
    // document's file, unmodified. A file that holds no army leaves all as it was.
    LoadResult load(const QString& path, LoadWatcher& watcher);
    // The two halves of load(): the datafile read into `army` (its collation kept) with the
    // file's bytes, the document untouched; and the army so read taken as one step.
    static LoadResult read(const QString& path, LoadWatcher& watcher, Store& army,
                           QByteArray& bytes);
    void takeLoaded(const QString& path, const Store& army, QByteArray bytes);
    // Writes the army to its file (Save) or to another (Save As), which then becomes its file;
    // the file on disk is replaced only by a complete new one. False with the reason.
    bool save(QString* reason) { return saveAs(current.path, reason); }
    bool saveAs(const QString& path, QString* reason);
    // A file that does not exist yet: the army stays as it is and the first Save writes there.
    void setNewFile(const QString& path);
    // Work that a program which ended before saving left behind comes back as one step, with
    // its file, counted as unsaved; `unfinished` is the troop that was being built, if any.
    void restoreWork(const Store& army, const QString& path, const Troop* unfinished);

    // The document starts again from this army, with its file as it is: no step to undo, and
    // nothing modified.
    void startFrom(const Store& army);

    bool canUndo() const { return history.canUndo(); }
    bool canRedo() const { return history.canRedo(); }
    QString undoName() const { return history.undoName(); }
    QString redoName() const { return history.redoName(); }
    void undo();
    void redo();
    int stepCount() const { return history.stepCount(); }
    qint64 historyBytes() const { return history.bytesHeld(); }

    // The new troop the user began and left unfinished: the next New shows it again, and the
    // recovery copy keeps it. It is no step of the history and leaves the army unmodified.
    const Troop& unfinishedTroop() const { return unfinished; }
    void setUnfinishedTroop(const Troop& troop);

signals:
    void textsChanged();
    void troopsChanged();
    void cataloguesChanged();
    // The file's path, or what it holds.
    void fileChanged();
    void modifiedChanged(bool modified);
    // A step was made, taken back or made again: the Edit menu's items follow.
    void historyChanged();
    // A step was taken back or made again (after the document's other signals).
    void historyStepped();
    void unfinishedTroopChanged();

private:
    // The change, found already made, becomes a step or joins the open step for `key`.
    void record(const QString& name, const QString& key, StoreDelta delta, bool wasModified);
    // The army takes the delta (forward or back) and the file the step's side.
    void step(const HistoryStep& step, bool forward);
    void announce(StoreDelta::Parts parts, bool fileMoved, bool wasModified);
    // The army replaced by another as one step, with the file it belongs to; `saved` when the
    // file holds that army.
    void replaceArmy(const QString& name, const Store& army, ArmyFile file, bool saved);
    // The army and its file as the history's start: nothing to undo, nothing modified.
    void begin(const Store& army, ArmyFile file);

    Store store;
    QLocale locale;
    ArmyFile current;
    History history;
    Troop unfinished;
};
