// Reads valgrind's XML report and fails when an error involves our code.
//
// Usage: valgrind_verdict REPORT.xml SOURCE_DIR
//
// An error involves our code when a frame of any of its stacks (where the
// fault happened, where the block was allocated or freed) lies in a source
// file under SOURCE_DIR. Of the leaks only definite ones count: Qt keeps
// caches that are reachable, or reached only through interior pointers, until
// exit. Errors wholly inside Qt and the system libraries are listed in the
// summary but do not fail, since we can neither fix nor avoid them.
//
// Exit status: 0 none of ours, 1 some of ours, 2 no usable report.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QXmlStreamReader>

#include <cstdio>

namespace {

struct Frame
{
    QString function;
    QString object;
    QString dir;
    QString file;
    QString line;
};

struct Error
{
    QString kind;
    QString what;
    QList<QList<Frame>> stacks;
};

struct Report
{
    QList<Error> errors;
    bool finished = false;
};

Frame readFrame(QXmlStreamReader &xml)
{
    Frame frame;
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (name == QLatin1String("fn"))
            frame.function = xml.readElementText();
        else if (name == QLatin1String("obj"))
            frame.object = xml.readElementText();
        else if (name == QLatin1String("dir"))
            frame.dir = xml.readElementText();
        else if (name == QLatin1String("file"))
            frame.file = xml.readElementText();
        else if (name == QLatin1String("line"))
            frame.line = xml.readElementText();
        else
            xml.skipCurrentElement();
    }
    return frame;
}

QList<Frame> readStack(QXmlStreamReader &xml)
{
    QList<Frame> stack;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("frame"))
            stack.append(readFrame(xml));
        else
            xml.skipCurrentElement();
    }
    return stack;
}

Error readError(QXmlStreamReader &xml)
{
    Error error;
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (name == QLatin1String("kind")) {
            error.kind = xml.readElementText();
        } else if (name == QLatin1String("what")) {
            error.what = xml.readElementText();
        } else if (name == QLatin1String("xwhat")) {
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("text"))
                    error.what = xml.readElementText();
                else
                    xml.skipCurrentElement();
            }
        } else if (name == QLatin1String("stack")) {
            error.stacks.append(readStack(xml));
        } else {
            xml.skipCurrentElement();
        }
    }
    return error;
}

Report readReport(QFile &file, QString &problem)
{
    Report report;
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("valgrindoutput")) {
        problem = QStringLiteral("not a valgrind XML report");
        return report;
    }
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (name == QLatin1String("error")) {
            report.errors.append(readError(xml));
        } else if (name == QLatin1String("status")) {
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("state"))
                    report.finished = xml.readElementText() == QLatin1String("FINISHED");
                else
                    xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        problem = xml.errorString();
    else if (!report.finished)
        problem = QStringLiteral("valgrind did not see the program to its end");
    return report;
}

bool counts(const Error &error)
{
    return !error.kind.startsWith(QLatin1String("Leak_"))
            || error.kind == QLatin1String("Leak_DefinitelyLost");
}

bool isOurs(const Frame &frame, const QString &root)
{
    if (frame.dir.isEmpty())
        return false;
    const QString dir = QDir::cleanPath(frame.dir);
    return dir == root || dir.startsWith(root + QLatin1Char('/'));
}

bool involves(const Error &error, const QString &root)
{
    for (const auto &stack : error.stacks)
        for (const Frame &frame : stack)
            if (isOurs(frame, root))
                return true;
    return false;
}

void print(const Error &error, const QString &root)
{
    std::printf("valgrind: %s: %s\n", qPrintable(error.kind), qPrintable(error.what));
    for (const auto &stack : error.stacks) {
        for (const Frame &frame : stack) {
            const QString where = frame.file.isEmpty()
                    ? frame.object
                    : QStringLiteral("%1/%2:%3").arg(frame.dir, frame.file, frame.line);
            std::printf(
                    "  %s %s (%s)\n", isOurs(frame, root) ? "=>" : "  ",
                    qPrintable(frame.function.isEmpty() ? QStringLiteral("???") : frame.function),
                    qPrintable(where));
        }
        std::printf("  --\n");
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: valgrind_verdict REPORT.xml SOURCE_DIR\n");
        return 2;
    }
    const QString root = QDir::cleanPath(QDir(arguments.at(2)).absolutePath());

    QFile file(arguments.at(1));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "valgrind_verdict: cannot read %s\n", qPrintable(file.fileName()));
        return 2;
    }
    QString problem;
    const Report report = readReport(file, problem);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "valgrind_verdict: %s: %s\n", qPrintable(file.fileName()),
                     qPrintable(problem));
        return 2;
    }

    int ours = 0;
    int others = 0;
    for (const Error &error : report.errors) {
        if (!counts(error))
            continue;
        if (involves(error, root)) {
            print(error, root);
            ++ours;
        } else {
            ++others;
        }
    }
    std::printf("valgrind: %d error(s) in code under %s, %d elsewhere ignored\n", ours,
                qPrintable(root), others);
    return ours == 0 ? 0 : 1;
}
