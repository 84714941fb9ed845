#include "app/CommandLine.h"

#include <cstdio>
#include <cstring>

namespace CommandLine {

namespace {

constexpr const char* Help =
    "Utilização: quivela [--help | --version]\n"
    "Desenha duas funções reais de variável real, f e g, e o resultado de uma de\n"
    "doze operações entre elas.\n"
    "\n"
    "  --help     mostra esta ajuda e termina\n"
    "  --version  mostra a versão e termina\n"
    "\n"
    "Sem argumentos, abre a janela inicial; o seu menu abre as páginas de ajuda\n"
    "sobre as funções e as operações («Instruções», «Sintaxe», «Funções definidas»).\n"
    "Manual: man quivela\n";

constexpr const char* Licence =
    "Licença GPLv3+: GNU GPL versão 3 ou posterior <https://gnu.org/licenses/gpl.html>.\n"
    "Este programa é software livre: pode alterá-lo e redistribuí-lo.\n"
    "Não há QUALQUER GARANTIA, na medida do permitido por lei.\n";

// A full disk or a closed pipe is a failure, not an answer given.
int Print(const char* first, const char* second = "") {
    std::fputs(first, stdout);
    std::fputs(second, stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

} // namespace

std::optional<int> Answer(int argc, const char* const argv[]) {
    if (argc <= 1)
        return std::nullopt;
    const char* first = argv[1];
    const bool help = std::strcmp(first, "--help") == 0;
    const bool version = std::strcmp(first, "--version") == 0;
    if (argc == 2 && help)
        return Print(Help);
    if (argc == 2 && version)
        return Print("Quivela " QUIVELA_VERSION "\n", Licence);
    // The first argument that is not understood: after an option, the second
    // one, which no option takes.
    std::fprintf(stderr,
                 "quivela: argumento não reconhecido: «%s»\nExperimente «quivela --help».\n",
                 help || version ? argv[2] : first);
    return 2;
}

} // namespace CommandLine
