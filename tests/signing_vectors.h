#pragma once

// Known answers for the request signature, shared by the command-line and window tests. Each
// signature was computed outside the program (a separate script and md5sum): the MD5 of the
// ASCII letters and digits of the Parametros text, in which strings keep their characters as
// they are (only '"' escaped), followed by the company's 64-character development key. The
// letters each vector signs are noted beside it; the wire text is what is posted.
struct SigningVector {
    const char* empresa;    // company code as typed
    const char* id;         // session Id as typed
    const char* dados;      // the data value as JSON text, UTF-8
    const char* parametros; // the Parametros object as posted
    const char* assinatura;
};

inline const SigningVector kSigningVectors[] = {
    // Id1001DadosNomeFantasiaLojaCentroSulCodigoInternoA1bListaxy: "_" and "-" count for nothing.
    {"0", "1001",
     R"({"Nome_Fantasia":"Loja_Centro-Sul","Codigo-Interno":"A-1_b","Lista":["x_y","-","_"]})",
     R"({"Id":1001,"Dados":{"Nome_Fantasia":"Loja_Centro-Sul","Codigo-Interno":"A-1_b","Lista":["x_y","-","_"]}})",
     "DAF174D1BADB6EDB9CEA1E9DF6D3698C"},
    // Id7DadosRazoAoSoJooCidadeGoiniaObsbersir: accented letters, in keys too, are dropped.
    {"1", "7", R"({"Razão":"Ação Çà São João","Cidade":"Goiânia","Obs":"über Æsir ß"})",
     R"({"Id":7,"Dados":{"Raz\u00E3o":"A\u00E7\u00E3o \u00C7\u00E0 S\u00E3o Jo\u00E3o","Cidade":"Goi\u00E2nia","Obs":"\u00FCber \u00C6sir \u00DF"}})",
     "D5F65ED5930592E2FA95D4552A70CF57"},
    // Id8DadosTguaAbcCaminhoCu00e7nQaspas: an escape counts as the character it stands for,
    // never as its letters; a backslash and "u00e7" typed in the text count as typed.
    {"2", "8",
     R"({"T":"\u00C1gua \u0041\u0062c","Caminho":"C:\\u00e7\\n","Q":"\"aspas\" \/ \t\n"})",
     R"({"Id":8,"Dados":{"T":"\u00C1gua Abc","Caminho":"C:\\u00e7\\n","Q":"\"aspas\" \/ \t\n"}})",
     "744AD9974B506DDC90A195D8F675E54D"},
    // Id9DadosEmojiokHan1Chavex: characters beyond 16 bits, typed as they are.
    {"3", "9", R"({"Emoji":"😀 ok 𝄞","Han":"汉字1","Chave😀":"x"})",
     R"({"Id":9,"Dados":{"Emoji":"\uD83D\uDE00 ok \uD834\uDD1E","Han":"\u6C49\u5B571","Chave\uD83D\uDE00":"x"}})",
     "6D466BCC9311860E26DE5BC4BA776A36"},
    // Id10DadosEabF9: the same written as surrogate pairs.
    {"4", "10", R"({"E":"\uD83D\uDE00a\uD834\uDD1Eb","F":"\u2603\u20AC9"})",
     R"({"Id":10,"Dados":{"E":"\uD83D\uDE00a\uD834\uDD1Eb","F":"\u2603\u20AC9"}})",
     "A0BEB1988F368A00849AF02F5A0A058F"},
    // Id11DadosItens123xLoteL1L2Vazio: nested and empty arrays.
    {"5", "11", R"({"Itens":[[1,[2,[3,"x"]]],[],[{"Lote":["L-1",["L_2",[[]]]]}]],"Vazio":[]})",
     R"({"Id":11,"Dados":{"Itens":[[1,[2,[3,"x"]]],[],[{"Lote":["L-1",["L_2",[[]]]]}]],"Vazio":[]}})",
     "0C4BABEBD010CC515800701A2CF34243"},
    // Id12DadosInteiro42Dec150Exp602e23Neg15E7Zero0Grande1234…7890Frac0000: numbers as written,
    // exponent letters included.
    {"6", "12",
     R"({"Inteiro":-42,"Dec":1.50,"Exp":6.02e23,"Neg":-1.5E-7,"Zero":0,"Grande":123456789012345678901234567890,"Frac":0.000})",
     R"({"Id":12,"Dados":{"Inteiro":-42,"Dec":1.50,"Exp":6.02e23,"Neg":-1.5E-7,"Zero":0,"Grande":123456789012345678901234567890,"Frac":0.000}})",
     "F93AE2A2E32DE0F7EF4A6D3979D92C85"},
    // Id13DadosAtrueBfalseCnullDtruefalsenull: the letters of the literals.
    {"7", "13", R"({"A":true,"B":false,"C":null,"D":["true",false,[null]]})",
     R"({"Id":13,"Dados":{"A":true,"B":false,"C":null,"D":["true",false,[null]]}})",
     "BF6D4E21B192FD0CE04D5E2A0FC9A4E0"},
    // Id14DadosDescrioPean5Preo105ItensCdigoA1
    {"8", "14", R"({"Descrição":"Peça nº 5","Preço":10.5,"Itens":[{"Código":"A_1"}]})",
     R"({"Id":14,"Dados":{"Descri\u00E7\u00E3o":"Pe\u00E7a n\u00BA 5","Pre\u00E7o":10.5,"Itens":[{"C\u00F3digo":"A_1"}]}})",
     "7EB197A4CEFC6635B8C09A78A7942A2F"},
    // Id5000000000Dados: an Id beyond 32 bits and an empty object.
    {"9", "5000000000", R"({})", R"({"Id":5000000000,"Dados":{}})",
     "C330E4E8530BCC1255F59D4B6F6001BA"},
    // Id15DadosLinhasLinha1Linha2TabhereUnicode: line breaks and tabs are not letters.
    {"10", "15", R"({"Linhas":["Linha 1\r\nLinha 2","Tab\there"],"Unicode":"\u00e9\u00C9é"})",
     R"({"Id":15,"Dados":{"Linhas":["Linha 1\r\nLinha 2","Tab\there"],"Unicode":"\u00E9\u00C9\u00E9"}})",
     "F1D0CE6207B542DC2E8F0E2A81DEBB83"},
    // Id16DadosTextoabcBarraxyUrlhttphostpq1r2: backslashes and solidus.
    {"11", "16", R"({"Texto":"a\\b\\\\c","Barra":"x/y","Url":"http:\/\/host\/p?q=1&r=_2"})",
     R"({"Id":16,"Dados":{"Texto":"a\\b\\\\c","Barra":"x\/y","Url":"http:\/\/host\/p?q=1&r=_2"}})",
     "1624C75C0064B74540937969F18D312D"},
    // Id0DadosChave35240111222333000181NotaSerie1Numero123ItensQ25e3: an Id that is not a number.
    {"12", "abc",
     R"({"Chave":"35-2401_11.222.333/0001-81","Nota":{"Serie":1,"Numero":123,"Itens":[{"Q":2.5e-3}]}})",
     R"({"Id":0,"Dados":{"Chave":"35-2401_11.222.333\/0001-81","Nota":{"Serie":1,"Numero":123,"Itens":[{"Q":2.5e-3}]}}})",
     "0027712B6964617FEE6D94C0740E7DB6"},
    // Id17Dados10E2n0truenull
    {"13", "17", R"({"ç_Ç":"-_-","😀":[1.0E+2,"\u00ff\u0100"],"n":[-0,true,null]})",
     R"({"Id":17,"Dados":{"\u00E7_\u00C7":"-_-","\uD83D\uDE00":[1.0E+2,"\u00FF\u0100"],"n":[-0,true,null]}})",
     "8A3643722BDD04D11A04F480F204912E"},
    // Id18DadosEmpresaforadatabela99: a code outside 1 to 13 signs with key 0.
    {"99", "18", R"({"Empresa":"fora-da-tabela_99"})",
     R"({"Id":18,"Dados":{"Empresa":"fora-da-tabela_99"}})", "62FDFCC735F5D451D83CF6C77040F3D2"},
};
