// The local PAF-ECF API page: the list of the PAF-ECF program's files.
#include "pages/kit/pagecontext.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;
using namespace kit;

namespace {

const QStringList kDiretorios = {
    u"C:\\Pelvane\\"_s,
    u"C:\\Pelvane\\apache-tomcat\\bin\\"_s,
    u"C:\\Pelvane\\apache-tomcat\\lib\\"_s,
    u"C:\\Pelvane\\apache-tomcat\\webapps\\"_s,
    u"C:\\Pelvane\\Balanca\\Filizola\\"_s,
    u"C:\\Pelvane\\CliSiTEF\\"_s,
    u"C:\\Pelvane\\firefox\\"_s,
    u"C:\\Pelvane\\JRE\\bin\\"_s,
    u"C:\\Pelvane\\Middleware\\"_s,
    u"C:\\Pelvane\\teste\\"_s,
};
const QStringList kExtensoes = {u".war"_s, u".exe"_s, u".dll"_s, u".jar"_s};

} // namespace

std::vector<Page> pafLocalPages() {
    return {Page{
        .name = u"ts_ArquivosPAFECF"_s,
        .description =
            u"Lista os arquivos do PAF-ECF com as extensões dadas nas pastas informadas e grava a lista num arquivo"_s,
        .controls = {
            line(u"ed_LaudoPafArquivosPAFECF"_s, u"Número do Laudo"_s, u"123456"_s)
                .sends(u"LaudoPaf"_s),
            line(u"ed_NomeAplicativoPafArquivosPAFECF"_s, u"Nome do Aplicativo"_s, u"QUORVA POS"_s)
                .sends(u"NomeAplicativoPaf"_s),
            line(u"ed_VersaoAplicativoPafArquivosPAFECF"_s, u"Versão do Aplicativo"_s, u"X2"_s)
                .sends(u"VersaoAplicativoPaf"_s),
            line(u"ed_CaminhoCompletoArquivoArquivosPAFECF"_s, u"Caminho Completo do Arquivo"_s,
                 u"c:\\temp\\md5paf_ead.txt"_s)
                .sends(u"CaminhoCompletoArquivo"_s),
            // One object per line, in order; an empty line sends an empty text.
            memo(u"mm_ListaDiretoriosArquivosPAFECF"_s, u"Diretórios com Executáveis"_s,
                 kDiretorios.join(u'\n'))
                .sends(u"ListaDiretorios"_s, kinds::linesAsObjects(u"Diretorio"_s)),
            memo(u"mm_ListaExtensoesArquivosPAFECF"_s, u"Extensões dos Executáveis"_s,
                 kExtensoes.join(u'\n'))
                .sends(u"ListaExtensoes"_s, kinds::linesAsObjects(u"Extensao"_s)),
            button(u"bt_TestarArquivosPAFECF"_s, u"Testar"_s,
                   send(u"TPafLocalAPI/ArquivosPAFECF"_s)),
        }}};
}
