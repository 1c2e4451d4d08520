// Showing a 50 MB one-line answer in the response pane, beside a plain text widget given a
// 200 KB line (a plain widget with the whole 50 MB would take many minutes).
#include "widgets/textpane.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString big = QStringLiteral("{\"result\":{\"conteudo\":{\"str\":\"") +
                        QString(50 * 1024 * 1024, u'Q') + QStringLiteral("\"}}}");
    TextPane pane(QStringLiteral("mm_Response"));
    pane.resize(500, 120);
    pane.show();
    QElapsedTimer t;
    t.start();
    pane.setText(big);
    QApplication::processEvents();
    const double paneMs = double(t.nsecsElapsed()) / 1e6;

    QPlainTextEdit plain;
    plain.resize(500, 120);
    plain.show();
    const QString twoMb = big.left(200 * 1024);
    t.restart();
    plain.setPlainText(twoMb);
    QApplication::processEvents();
    const double plainMs = double(t.nsecsElapsed()) / 1e6;
    std::printf("response pane, 50 MB one-line answer: %.0f ms (keeps and shows all %lld)\n",
                paneMs, static_cast<long long>(pane.text().size()));
    std::printf("plain text widget, 200 KB one-line answer: %.0f ms\n", plainMs);
    return 0;
}
