#include "help/InstructionsPages.h"

namespace {

std::vector<TextPage> MakePages() {
    std::vector<TextPage> pages;
    pages.push_back(
        {"Como usar o Quivela",
         {
             {nullptr,
              "<p>No menu da janela inicial, «Quivela» abre a janela dos gráficos; "
              "«Instruções», «Sintaxe» e «Funções definidas» abrem estas páginas de ajuda, "
              "que também se abrem com os botões «Instruções», «Sintaxe» e «Funções» da "
              "janela dos gráficos. Vire as páginas com os botões de baixo.</p>"
              "<p>A janela dos gráficos tem três quadros: o gráfico de f (em cima, à "
              "esquerda), o de g (em cima, à direita) e o da operação (em baixo, à esquerda). "
              "Em baixo, à direita, ficam as funções e as operações.</p>",
              {}},
             {"Escrever e desenhar f e g",
              "<p>Escreva as expressões nas caixas <b>f(x) =</b> e <b>g(x) =</b> (ao abrir "
              "trazem <tt>4sen(x)</tt> e <tt>tg(x)</tt>). A forma de as escrever está na "
              "janela «Sintaxe».</p>"
              "<p><b>Desenhar</b>, no grupo «Opções sobre a função f» (ou g), desenha o "
              "gráfico para x de −14 a 14; o quadro mostra x e y de −8 a 8. Enquanto "
              "desenha, o ponteiro é uma ampulheta. Desenhar de novo junta mais uma curva "
              "às que lá estão; <b>Apagar</b> limpa o gráfico e deixa os eixos.</p>"
              "<p>Os pontos onde a função não tem valor (por exemplo a raiz de um número "
              "negativo) ficam por desenhar. Se a expressão tiver um erro, uma mensagem diz "
              "qual é e o cursor volta à caixa da função.</p>",
              {}},
             {"As operações",
              "<p>Escolha uma das doze operações: <b>(f + g) (x)</b>, <b>(f - g) (x)</b>, "
              "<b>(g - f) (x)</b>, <b>(f x g) (x)</b>, <b>(f / g) (x)</b>, "
              "<b>(g / f) (x)</b>, <b>(f o g) (x)</b> e <b>(g o f) (x)</b> (as "
              "compostas), <b>Sqr (f(x))</b> e <b>Sqr (g(x))</b> (as raízes quadradas), "
              "<b>f^a</b> (f elevada a <i>a</i>) e <b>b^f</b> (<i>b</i> elevado a f). "
              "Depois carregue em <b>Desenhar</b> no grupo «Opções sobre a operação».</p>"
              "<p>O programa escreve a expressão da operação na caixa desse grupo e desenha-a "
              "como uma função nova: com f = <tt>4sen(x)</tt> e g = <tt>tg(x)</tt>, a soma "
              "é <tt>(4sen(x))+(tg(x))</tt> e f o g é <tt>4sen((tg(x)))</tt>, pois cada x "
              "de f é substituído por (g).</p>"
              "<p>Para f^a escreva o expoente na caixa <b>a =</b>; para b^f a base na caixa "
              "<b>b =</b>. Podem ser expressões, como <tt>pi/2</tt>, calculadas com x = 0. "
              "Se a caixa estiver vazia, uma mensagem pede o valor.</p>",
              {}},
         }});

    pages.push_back(
        {"Eixos, linhas, coordenadas e cores",
         {
             {"Radianos e unidades",
              "<p>O botão <b>Radianos</b> de cada grupo gradua o eixo dos x em múltiplos de "
              "π/2 (π/2, π, 3π/2…); passa então a dizer <b>Unidades</b>, para voltar aos "
              "números inteiros. Mudar a graduação apaga o gráfico desse quadro.</p>",
              {}},
             {"Linhas coordenadas",
              "<p>Em «Desenhar linhas», escreva em <b>No ponto de abcissa:</b> o x do ponto "
              "(um número ou uma expressão, como <tt>pi/2</tt>) e escolha nas caixas "
              "«Desenhar abcissa» e «Desenhar ordenada» os gráficos (de f, de g, da "
              "operação). <b>Desenhar</b> traça, a tracejado, a linha do eixo dos x até ao "
              "ponto do gráfico e a linha do eixo dos y até ao mesmo ponto, nos gráficos já "
              "desenhados.</p>",
              {}},
             {"Ver as coordenadas",
              "<p>Marque <b>Ver coordenadas nos gráficos</b>: sobre os quadros o ponteiro "
              "passa a uma cruz e a caixa mostra as coordenadas (x , y) do ponto onde ele "
              "está, com duas casas decimais.</p>",
              {}},
             {"Ampliar",
              "<p><b>Ampliar f</b>, <b>Ampliar g</b> e <b>Ampliar operação</b> mostram o "
              "gráfico em ponto grande, com x e y de −14 a 14, por cima dos três quadros; o "
              "botão passa a <b>Reduzir f</b> (g, operação) para voltar ao tamanho normal.</p>",
              {}},
             {"Cores",
              "<p><b>Fundo</b> muda a cor do fundo dos quadros dessa função e apaga o "
              "gráfico, que se desenha de novo. <b>Cor</b> muda a cor da curva, que conta a "
              "partir do desenho seguinte. Cancelar a escolha não muda nada.</p>",
              {}},
             {"Voltar, fechar e sair",
              "<p>Ao voltar à janela dos gráficos vindo de outra janela do programa (uma "
              "destas páginas ou a janela inicial), os gráficos são limpos e os eixos "
              "voltam às unidades. <b>Fechar</b> fecha a janela dos gráficos: ao abri-la de "
              "novo, as caixas e as cores voltam ao início. <b>Sair</b> termina o "
              "programa.</p>",
              {}},
         }});
    return pages;
}

} // namespace

const std::vector<TextPage>& InstructionsPages() {
    static const std::vector<TextPage> pages = MakePages();
    return pages;
}

std::vector<HelpPage> InstructionsHelpPages() {
    return TextHelpPages(InstructionsPages());
}
