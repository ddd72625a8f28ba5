#include "batch/BatchOptions.h"

#include <sstream>

namespace batch {

const char* const kBatchUsage =
    "Uso: quantitativos-lote ARQUIVO_DE_ALINHAMENTO [opções]\n"
    "\n"
    "Carrega o projeto viário, executa os cálculos pedidos e grava os resultados sem abrir janela.\n"
    "\n"
    "Opções:\n"
    "  --suite DIR             pasta do sistema (dorvan.ini, secao_tipo/, simbolos/);\n"
    "                          sem ela vale $TELMIRA_HOME, senão ~/telmira\n"
    "  --run ETAPAS            cálculos a executar, separados por vírgula, na ordem dada:\n"
    "                          nota (Calcular Nota de Serviço)\n"
    "  --grids DIR             grava cada planilha em DIR/<nome>.tsv e os campos em DIR/campos.tsv\n"
    "  --desenho ARQ           abre o desenho DXF (ASCII) que faz as vezes do AutoCAD\n"
    "  --salvar-desenho ARQ    grava o desenho em ARQ ao fim da execução\n"
    "  --perfil VE,COTA,PROG   respostas do diálogo \"Dados do Perfil\": deformação vertical,\n"
    "                          cota inicial e progressiva inicial\n"
    "  -h, --help              mostra esta ajuda\n"
    "\n"
    "Códigos de saída: 0 sucesso; 1 erro de seqüência ou erro durante um cálculo;\n"
    "2 linha de comando inválida ou arquivo inexistente.\n";

BatchOptions ParseBatchOptions(const std::vector<std::string>& args, std::string& error) {
    BatchOptions o;
    error.clear();
    auto needValue = [&](std::size_t& i, std::string& into) {
        if (i + 1 >= args.size()) {
            error = "A opção " + args[i] + " precisa de um valor.";
            return false;
        }
        into = args[++i];
        return true;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help") {
            o.help = true;
        } else if (a == "--suite") {
            if (!needValue(i, o.suiteDir)) return o;
        } else if (a == "--grids") {
            if (!needValue(i, o.gridsDir)) return o;
        } else if (a == "--desenho") {
            if (!needValue(i, o.drawingFile)) return o;
        } else if (a == "--salvar-desenho") {
            if (!needValue(i, o.saveDrawingFile)) return o;
        } else if (a == "--perfil") {
            std::string v;
            if (!needValue(i, v)) return o;
            o.profile = v;
        } else if (a == "--run") {
            std::string list;
            if (!needValue(i, list)) return o;
            std::stringstream ss(list);
            for (std::string step; std::getline(ss, step, ',');)
                if (!step.empty()) o.steps.push_back(step);
        } else if (a.size() > 1 && a[0] == '-') {
            error = "Opção desconhecida: " + a + ". Use --help para ver as opções.";
            return o;
        } else if (o.alignmentFile.empty()) {
            o.alignmentFile = a;
        } else {
            error = "Argumento a mais: " + a + ". Só um arquivo de alinhamento é aceito.";
            return o;
        }
    }
    return o;
}

}  // namespace batch
