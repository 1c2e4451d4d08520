// Envelope build + signature for data of 1 KB, 1 MB and 20 MB (an XML in a string member),
// beside the plain MD5 throughput of the same machine.
#include "common/md5.h"
#include "common/tjsonutil.h"
#include "exchange/envelope.h"

#include <benchmark/benchmark.h>

namespace {

QString sampleXml(std::size_t bytes) {
    const QString unit = QString::fromUtf8("<det nItem=\"1\"><prod><xProd>AÇÚCAR CRISTAL "
                                           "1KG</xProd><vProd>4.99</vProd></prod></det>\r\n");
    QString xml;
    xml.reserve(qsizetype(bytes) + unit.size());
    while (std::size_t(xml.size()) < bytes)
        xml += unit;
    return xml;
}

void EnvelopeAndSignature(benchmark::State& state) {
    const QString xml = sampleXml(std::size_t(state.range(0)));
    for (auto _ : state) {
        JsonValue dados = TJSONUtil::NewJSONObjet();
        TJSONUtil::Add(dados, QStringLiteral("XML"), TJSONUtil::SetStr(xml, true));
        const JsonValue env =
            buildEnvelope(QStringLiteral("1001"), QStringLiteral("0"), std::move(dados));
        const std::string wire = json::toWireText(env);
        benchmark::DoNotOptimize(wire.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0));
}
BENCHMARK(EnvelopeAndSignature)
    ->Arg(1 << 10)
    ->Arg(1 << 20)
    ->Arg(20 << 20)
    ->Unit(benchmark::kMillisecond);

void SignatureOnly(benchmark::State& state) {
    JsonValue parametros = JsonValue::object();
    parametros.add("Id", JsonValue::integer(1001));
    JsonValue dados = JsonValue::object();
    dados.add("XML", TJSONUtil::SetStr(sampleXml(std::size_t(state.range(0)))));
    parametros.add("Dados", std::move(dados));
    for (auto _ : state)
        benchmark::DoNotOptimize(signParametros(parametros, 0));
    state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0));
}
BENCHMARK(SignatureOnly)->Arg(20 << 20)->Unit(benchmark::kMillisecond);

void PlainMd5(benchmark::State& state) {
    const QByteArray data(qsizetype(state.range(0)), 'x');
    for (auto _ : state)
        benchmark::DoNotOptimize(MD5(data));
    state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0));
}
BENCHMARK(PlainMd5)->Arg(20 << 20)->Unit(benchmark::kMillisecond);

} // namespace
