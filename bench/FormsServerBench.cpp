// The local forms server under load and its page templates at a ship's size.
// Throughput: 16 loopback clients, a new connection per request, a 1 KiB page without tags through
// the whole server (Host, cookie, debug log, file). When nginx is on the PATH it serves the same
// file in the same run (one worker, no access log, no keep-alive) and RatioToNginx says how many
// times its rate ours reaches (target 1.2); without nginx only ours is reported.
// Templates: both table tags over in.idx and OUT.IDX of 30,000 lines, and one tag of all 30,000
// rows, each against a 50 ms budget (FractionOfBudget).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "BenchApplication.h"
#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "platform/SystemClock.h"
#include "remote/FormsServer.h"
#include "remote/HttpServerProcessing.h"
#include "platform/QtSettingsStore.h"

using namespace tidepost;

namespace {

constexpr int kClients = 16;
constexpr int kLines = 30000;

// One request over a new connection; true when an answer came.
bool OneRequest(quint16 port, const QByteArray& request) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return false;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
              ::send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL) == request.size();
    qsizetype got = 0;
    char buffer[4096];
    while (ok) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        got += n;
    }
    ::close(fd);
    return ok && got > 1024;
}

// Requests per second of `kClients` clients for `seconds`, while `pump` runs this thread's events.
template <typename Pump>
double Rate(quint16 port, const QByteArray& request, double seconds, Pump&& pump) {
    std::atomic<bool> stop{false};
    std::atomic<long> done{0}, failed{0};
    std::vector<std::thread> clients;
    for (int i = 0; i < kClients; ++i)
        clients.emplace_back([&] {
            while (!stop) (OneRequest(port, request) ? done : failed)++;
        });
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < seconds * 1000) pump();
    stop = true;
    while (std::any_of(clients.begin(), clients.end(), [](std::thread& t) { return t.joinable(); })) {
        pump();
        for (std::thread& t : clients)
            if (t.joinable()) {
                t.join();
                break;
            }
    }
    return failed > done / 100 ? 0.0 : double(done) / (double(timer.elapsed()) / 1000.0);
}

quint16 FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// nginx serving `folder` on `port`, or -1 when none could be started.
double NginxRate(const QString& folder, const QByteArray& file) {
    const QString nginx = QStandardPaths::findExecutable("nginx");
    if (nginx.isEmpty()) return -1;
    QTemporaryDir conf;
    const quint16 port = FreePort();
    QFile config(conf.path() + "/nginx.conf");
    if (!config.open(QIODevice::WriteOnly)) return -1;
    config.write("worker_processes 1;\ndaemon off;\npid " + conf.path().toUtf8() + "/nginx.pid;\nerror_log " +
                 conf.path().toUtf8() + "/error.log;\nevents { worker_connections 1024; }\nhttp {\n access_log off;\n"
                 " keepalive_timeout 0;\n client_body_temp_path " + conf.path().toUtf8() + ";\n server {\n  listen 127.0.0.1:" +
                 QByteArray::number(port) + ";\n  root " + folder.toUtf8() + ";\n }\n}\n");
    config.close();
    QProcess process;
    process.start(nginx, {"-c", conf.path() + "/nginx.conf", "-p", conf.path()});
    if (!process.waitForStarted(3000)) return -1;
    const QByteArray request = "GET /" + file + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
    QElapsedTimer wait;
    wait.start();
    while (!OneRequest(port, request) && wait.elapsed() < 3000) QThread::msleep(20);
    const double rate = Rate(port, request, 2.0, [] { QThread::msleep(5); });
    process.terminate();
    process.waitForFinished(3000);
    return rate;
}

// A data folder and a settings store of its own.
struct BenchPlatform {
    QTemporaryDir data;
    QTemporaryDir config;
    QtSettingsStore settings{config.path()};
    Platform Os;
    BenchPlatform() { Os.Settings = &settings; }
    QString DataFolder() const { return data.path(); }
    void WriteDataFile(const QString& name, const QByteArray& bytes) const {
        const QString path = data.path() + "/" + name;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }
};

struct ServerSetup {
    BenchPlatform platform;
    SystemClock clock;
    Foundation f{platform.Os};
    Link link{f};
    Messages m{f, link};
    FormsServer server{f, m};
    QTemporaryDir runtime;

    ServerSetup() {
        platform.Os.Clock = &clock;
        f.gConfiguration.DataPath = platform.DataFolder();
        QDir().mkpath(platform.DataFolder() + "/html");
        SaveAppSetting(f, f.gProductName, "ElectronicForms", "LocalPort", "0");
        server.RuntimeFolder = runtime.path();
    }
};

void ThroughputAgainstNginx(benchmark::State& state) {
    bench::Application();
    ServerSetup s;
    QByteArray page = "<html><body><p>";
    while (page.size() < 1024 - 18) page += "Catch report form ";
    page = page.left(1024 - 18) + "</p></body></html>";
    s.platform.WriteDataFile("html/page.htm", page);
    s.server.StartFormsServer();
    if (!s.server.IsListening()) {
        state.SkipWithError("the server did not listen");
        return;
    }
    const QByteArray request = "GET /page.htm HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(s.server.BoundPort()) +
                               "\r\nCookie: TidepostForms=" + s.server.Key() + "\r\n\r\n";
    double ours = 0;
    for (auto _ : state)
        ours = Rate(s.server.BoundPort(), request, 2.0, [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 5); });
    state.counters["RequestsPerSecond"] = ours;
    const double nginx = NginxRate(s.platform.DataFolder() + "/html", "page.htm");
    if (nginx > 0) {
        state.counters["NginxRequestsPerSecond"] = nginx;
        state.counters["RatioToNginx"] = ours / nginx;
    }
    if (ours == 0) state.SkipWithError("requests failed");
}

struct TemplateSetup : ServerSetup {
    cHttpServerProcessing http{f, m};
    TemplateSetup() {
        f.gInboxDir = platform.DataFolder() + "/Inbox/";
        f.gOutboxDir = platform.DataFolder() + "/sent items/";
        QDir().mkpath(f.gInboxDir);
        QDir().mkpath(f.gOutboxDir);
        f.gIniEntries.Loaded = f.gIniEntries.LoadTried = true;
        f.gIniEntries.Items = {{"[outbox]", f.gOutboxDir}};
        const char* statuses[] = {"Delivered", "Conf.OK", "Failed", "Sending", "PC Cleared", "ConfReq"};
        QByteArray in, out;
        for (int i = 0; i < kLines; ++i) {
            const QByteArray day = QByteArray::number(100000 + i / 30 * 3);
            const QByteArray counter = QByteArray::number(i % 30 + 1).rightJustified(2, '0');
            in += "IN." + QByteArray::number(i % 999 + 1).rightJustified(3, '0') + ":102:0:0:12-07-03 12:00:" +
                  QByteArray::number(200 + i % 7000) + ":" + QByteArray::number(1000 + i) + ":Mem:" +
                  (i % 5 ? "Yes" : "No") + ":" + day + counter + ".in\r\n";
            out += day + counter + ".out;someone@example.org;102;E-Mail 7 Bit;12-07-03;09:05; 1234;OUT." +
                   QByteArray::number(i) + ";" + statuses[(i * 7) % 6] + ";0;0;0;0;03;07;09;05;Someone;;;Subject\r\n";
        }
        platform.WriteDataFile("Inbox/in.idx", in);
        platform.WriteDataFile("sent items/OUT.IDX", out);
    }
};

void Template(benchmark::State& state, const QString& page, int rows) {
    bench::Application();
    TemplateSetup s;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const QString html = s.http.ReplaceTemplateTags(page);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (html.count(QStringLiteral("</tr>\r\n")) < rows) {
            state.SkipWithError("a table lacks rows");
            return;
        }
    }
    state.counters["FractionOfBudget"] = seconds / double(state.iterations()) / 0.050;
}

void BothTableTags(benchmark::State& state) {
    Template(state, "<html><%=REQUESTINBOX%><hr><%=REQUESTOUTBOX%></html>", 2048);
}
void OneTagOfAllRows(benchmark::State& state) { Template(state, "<%=REQUESTOUTBOX 30000%>", kLines); }

BENCHMARK(ThroughputAgainstNginx)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BothTableTags)->Unit(benchmark::kMillisecond);
BENCHMARK(OneTagOfAllRows)->Unit(benchmark::kMillisecond);

}  // namespace
