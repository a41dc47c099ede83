#include "WriteRefusal.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>

namespace {

// Why the disk refused a write, in the player's words.
QString refusalReason(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("GameSession", "the disk is full");
    case EROFS:
        return QCoreApplication::translate("GameSession", "the disk is read-only");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("GameSession", "you do not have permission to write there");
    default:
        return QCoreApplication::translate("GameSession", "the system reported \"%1\"")
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

} // namespace

QString refusal(bool spinLog, const WriteFailure& failure)
{
    const QString text =
        spinLog ? QCoreApplication::translate("GameSession", "Spins could not be recorded in the folder \"%1\": %2.")
                : QCoreApplication::translate("GameSession", "The game could not be saved in the folder \"%1\": %2.");
    return text.arg(QString::fromStdString(failure.folder.string()), refusalReason(failure.error));
}

std::string refusedWhilePlaying(bool spinLog, const WriteFailure& failure)
{
    const QString after =
        spinLog ? QCoreApplication::translate("GameSession", "You can play on; the spins are kept and recorded as "
                                                             "soon as the folder can be written again.")
                : QCoreApplication::translate("GameSession", "You can play on; the game is saved as soon as the "
                                                             "folder can be written again.");
    return (refusal(spinLog, failure) + QLatin1Char(' ') + after).toStdString();
}
