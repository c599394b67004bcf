#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QVariantMap>

class QDBusPendingCallWatcher;

// Picks a colour from anywhere on the screen through the desktop portal
// (org.freedesktop.portal.Screenshot.PickColor), where a program cannot read
// the screen itself: on Wayland, and as an X client of a Wayland session.
// Nothing here waits for the portal: every answer comes as a signal.
class ScreenPicker : public QObject
{
    Q_OBJECT

public:
    explicit ScreenPicker(QObject *parent);
    ~ScreenPicker() override;

    // Asks whether the session's portal picks colours; offered() says so.
    // With no session bus, or a portal that does not pick, nothing comes.
    void probe();
    // Starts a pick over the window named as the portal names windows
    // ("x11:ID", or empty); one of picked(), cancelled() or failed() ends it.
    void pick(const QString &parentWindow);
    bool picking() const { return !m_request.isEmpty(); }

    // The colour in a portal's answer: three channels from 0 to 1, each
    // rounded to 8 bits. Invalid when there is none, or one out of range.
    static QColor colorOf(const QVariant &answer);

Q_SIGNALS:
    void offered();
    void picked(const QColor &color);
    void cancelled();
    void failed();

private Q_SLOTS:
    void answered(uint response, const QVariantMap &results);

private: // NOLINT(readability-redundant-access-specifiers): Q_SLOTS is above
    void listen(const QString &request);
    void stopListening();
    void called(QDBusPendingCallWatcher *call);

    QString m_request; // the path of the request under way, if any
};
