// A desktop's screenshot portal backend, standing in for one in e2e.sh: its
// PickColor answers as the file named on the command line says at the time,
// "R G B" (0 to 1) a colour, "cancel" a cancel, anything else an error, and
// "wait" holds the answer until it says another.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QFile>
#include <QThread>

class Screenshot : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.impl.portal.Screenshot")
    Q_PROPERTY(uint version READ version CONSTANT)

public:
    uint version() const { return 2; }
    static QStringList read()
    {
        QFile file(QCoreApplication::arguments().at(1));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).simplified().split(u' ');
    }

public Q_SLOTS:
    uint PickColor(const QDBusObjectPath &, const QString &, const QString &, const QVariantMap &,
                   QVariantMap &results)
    {
        QStringList answer = read();
        for (; answer.value(0) == QLatin1String("wait"); answer = read())
            QThread::msleep(20);
        if (answer.value(0) == QLatin1String("cancel"))
            return 1;
        if (answer.size() != 3)
            sendErrorReply(QDBusError::Failed, QStringLiteral("the test says no"));
        QDBusArgument color;
        color.beginStructure();
        for (const QString &channel : answer)
            color << channel.toDouble();
        color.endStructure();
        results.insert(QStringLiteral("color"), QVariant::fromValue(color));
        return 0;
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Screenshot screenshot;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &screenshot,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties)
        || !bus.registerService(QStringLiteral("org.freedesktop.impl.portal.desktop.tinct_e2e")))
        return 1;
    return app.exec();
}

#include "portalbackend.moc"
