#include "ui/main/RecoveryKeeper.h"

#include "document/ArmyDocument.h"
#include "ui/Modal.h"
#include "ui/wizard/Wizard.h"

#include <QFileInfo>
#include <QLocale>
#include <utility>

namespace
{

// Changes that come close together are copied once.
constexpr int copyDelayMs = 200;
// A copy that could not be written is tried again no sooner than this.
constexpr int retryMs = 10000;

// A troop that holds nothing a user typed or chose: the cells of step 2 left empty.
bool isBlank(const Troop& troop)
{
    const auto empty = [](const std::unique_ptr<LineList>& list) {
        return !list || list->isEmpty();
    };
    QString characteristics = troop.characteristics;
    characteristics.remove(u',');
    return troop.name.isEmpty() && troop.points.isEmpty() && troop.role.isEmpty() &&
           characteristics.isEmpty() && troop.frontArmour.isEmpty() && troop.sideArmour.isEmpty() &&
           troop.rearArmour.isEmpty() && empty(troop.standardWeapons) &&
           empty(troop.replaceableWeapons) && empty(troop.additionalWeapons) &&
           empty(troop.abilities);
}

QString nameOf(const QString& name)
{
    return name.isEmpty() ? QStringLiteral("(no name)") : name;
}

// What the question adds after the army's name: the file it came from and the troop being
// built, as in ' (file vhold.ini, unfinished troop "Scouts")'.
QString workDetails(const RecoveredWork& work)
{
    QStringList details;
    if (!work.file.isEmpty())
        details << QStringLiteral("file ") + QFileInfo(work.file).fileName();
    if (work.unfinishedTroop)
        details << QStringLiteral("unfinished troop \"") +
                       nameOf(work.army.troops[size_t(work.army.troopCount)].name) + u'"';
    return details.isEmpty() ? QString() : QStringLiteral(" (") + details.join(", ") + u')';
}

} // namespace

RecoveryKeeper::RecoveryKeeper(ArmyDocument& army, Wizard& troopWizard, const QString& folder)
    : document(army), wizard(troopWizard),
      writer(folder, [this](const QString& failure) { copyReported(failure); })
{
    delay.setSingleShot(true);
    delay.setInterval(copyDelayMs);
    connect(&delay, &QTimer::timeout, this, &RecoveryKeeper::keepCopy);
    retry.setSingleShot(true);
    retry.setInterval(retryMs);
    connect(&retry, &QTimer::timeout, this, &RecoveryKeeper::keepCopy);
    for (auto signal : {&ArmyDocument::textsChanged, &ArmyDocument::troopsChanged,
                        &ArmyDocument::cataloguesChanged, &ArmyDocument::fileChanged,
                        &ArmyDocument::unfinishedTroopChanged})
        connect(&document, signal, this, &RecoveryKeeper::schedule);
    connect(&document, &ArmyDocument::modifiedChanged, this, &RecoveryKeeper::schedule);
    connect(&wizard, &Wizard::troopInHand, this, &RecoveryKeeper::schedule);
    connect(&wizard, &Wizard::finished, this, &RecoveryKeeper::schedule);
}

RecoveryKeeper::~RecoveryKeeper() = default;

// While the copy cannot be written, changes wait for the next attempt.
void RecoveryKeeper::schedule()
{
    if (!delay.isActive() && !retry.isActive())
        delay.start();
}

void RecoveryKeeper::copyReported(const QString& failure)
{
    if (failure.isEmpty()) {
        if (std::exchange(unprotected, false))
            emit protectionRestored();
        return;
    }
    retry.start();
    if (!std::exchange(unprotected, true))
        emit protectionLost(failure);
}

RecoveredWork RecoveryKeeper::workNow() const
{
    const bool running = wizard.isRunning();
    const bool unfinished = running && wizard.buildsNewTroop() && !isBlank(wizard.troop());
    return {running ? wizard.army() : document.army(), unfinished, document.filePath(),
            QDateTime::currentDateTime(), unfinished ? int(wizard.currentStep()) + 2 : 2};
}

void RecoveryKeeper::keepCopy()
{
    delay.stop();
    retry.stop();
    RecoveredWork work = workNow();
    const bool unsaved =
        document.isModified() || work.unfinishedTroop || (wizard.isRunning() && wizard.runChange());
    if (unsaved) {
        writer.keep(std::move(work));
        copied = true;
    } else if (copied) {
        writer.remove();
        copied = false;
    }
}

void RecoveryKeeper::finish()
{
    writer.finish();
}

void RecoveryKeeper::removeCopy()
{
    delay.stop();
    retry.stop();
    writer.remove();
    writer.finish();
    copied = false;
}

void RecoveryKeeper::offerLeftWork(QWidget* window, const QString& folder,
                                   const std::function<bool(const RecoveredWork&)>& restore)
{
    std::vector<LeftWork> found = leftWork(folder);
    for (LeftWork& left : found) {
        RecoveredWork work;
        QString reason;
        if (!left.read(work, &reason)) {
            left.setAside();
            messageBox(window, QStringLiteral("*** RECOVERY FAILED ***"),
                       QStringLiteral("Unsaved work left by an earlier run cannot be restored.\n") +
                           reason,
                       QMessageBox::Ok);
            continue;
        }
        const QDateTime time = work.time.isValid() ? work.time.toLocalTime() : left.time;
        const QMessageBox::StandardButton answer = messageBox(
            window, QStringLiteral("*** RESTORE UNSAVED WORK ***"),
            QStringLiteral("Quarrimak ended on ") + QLocale().toString(time, QLocale::ShortFormat) +
                QStringLiteral(" before changes to the army \"") + nameOf(work.army.army.name) +
                u'"' + workDetails(work) + QStringLiteral(" were saved. Restore them?"),
            QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            left.discard();
            continue;
        }
        if (restore(work))
            left.discard();
    }
}
