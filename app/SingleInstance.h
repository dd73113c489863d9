// One running copy per user. The first copy listens on a local socket named "TAVRIN-", a fixed
// GUID and the user's id; a later copy finds it there, hands over the file name it was given
// ("Tavrin already runs" as the tag, then the name and a zero byte) and ends. Every wait is
// limited to 200 ms, so a copy that hangs never holds up a new start. A socket left behind by a
// copy that died is taken over.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

class CSingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Claim {
        First,        // this copy listens now
        AnotherRuns,  // another copy runs; the file name went to it (when it answered in time)
        Failed,       // neither listening nor reaching another copy worked
    };

    // `name` is the socket name: DefaultName() in the program, a name of their own in tests.
    explicit CSingleInstance(const QString& name = DefaultName(), QObject* parent = nullptr);

    static QString DefaultName();
    QString Name() const { return name_; }

    // Starts listening, or, when a copy already listens, hands `fileName` over to it.
    Claim ClaimOrHandOver(const QString& fileName);

    enum class HandOverResult { NoCopy, Delivered, NoAnswer };
    // Sends `fileName` (may be empty) to the copy listening at `name`.
    static HandOverResult HandOver(const QString& name, const QString& fileName);

    // The tag of the hand-over.
    static constexpr const char* kTag = "Tavrin already runs";

signals:
    // Another copy started and handed over `fileName` (empty when it was given none).
    void fileNameReceived(const QString& fileName);

private:
    void AcceptConnection();
    void ReadHandOver(class QLocalSocket* socket);

    QString name_;
    QLocalServer server_;
};
