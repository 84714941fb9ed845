#include "help/SyntaxPages.h"

namespace {

std::vector<TextPage> MakePages() {
    std::vector<TextPage> pages;

    pages.push_back(
        {"Como escrever as expressões",
         {
             {nullptr,
              "<p>As funções f e g, a expressão da operação, os valores de <i>a</i> e de "
              "<i>b</i> e a abcissa das linhas coordenadas escrevem-se como expressões "
              "analíticas em x. Os valores de <i>a</i>, de <i>b</i> e da abcissa também podem "
              "ser expressões, como <tt>pi/2</tt> ou <tt>2*3</tt>: são calculados com x = 0.</p>",
              {}},
             {"Espaços e maiúsculas",
              "<p>Os espaços e a diferença entre maiúsculas e minúsculas não contam: "
              "<tt>SEN (PI/2)</tt> é o mesmo que <tt>sen(pi/2)</tt>. Atenção: um espaço não "
              "separa dois números, que ficam a ser um só. Qualquer outro carácter que não "
              "faça parte da sintaxe (acentos, <tt>=</tt>, <tt>;</tt>, <tt>~</tt>) também é "
              "ignorado.</p>",
              {Exact("SEN (PI/2)", "1"), Exact("X^2", "9", "3"), Exact("2 3", "23")}},
             {"Números e ponto decimal",
              "<p>As casas decimais separam-se com um <b>ponto</b>, nunca com uma vírgula: "
              "escreve-se <tt>2.5</tt>. A vírgula tem outro papel: separa os argumentos de uma "
              "função, como em <tt>max(2, 5)</tt>. Escrita num número, a vírgula parte-o em "
              "dois e só o primeiro conta.</p>",
              {Exact("2.5*2", "5"), Exact("0.25x", "0.5", "2"), Exact("2,5", "2")}},
             {"A variável x",
              "<p>A única variável admitida é <tt>x</tt>. Qualquer outro nome que não seja uma "
              "constante (<tt>pi</tt>, <tt>e</tt>) nem uma função dá um erro. Duas letras "
              "seguidas formam um só nome: <tt>xx</tt> não é x vezes x.</p>",
              {Fails("y", 1102, "Variável não definida: y"),
               Fails("xx", 1102, "Variável não definida: xx", "2"), Exact("x*x", "4", "2")}},
             {"Erros",
              "<p>Quando a expressão tem um erro, o desenho pára e uma mensagem "
              "<i>«Erro na expressão analítica:»</i> diz qual foi. Corrija a expressão e "
              "carregue de novo em «Desenhar».</p>",
              {}},
         }});

    pages.push_back(
        {"Multiplicação e funções",
         {
             {"Quando se pode omitir o sinal de multiplicar",
              "<p>Entre uma <b>constante numérica</b> e a expressão que se lhe segue não é "
              "preciso o sinal <tt>*</tt>: <tt>2x</tt>, <tt>5sen(x)</tt>, <tt>2(x+1)</tt> e "
              "<tt>3pi</tt> são produtos.</p>",
              {Exact("2x", "6", "3"), Exact("5sen(pi/2)", "5"), Exact("2(x+1)", "4", "1"),
               About("3pi", "9.4248")}},
             {"Quando o sinal é obrigatório",
              "<p>Entre duas funções, duas variáveis, ou depois de um parêntese, o sinal "
              "<tt>*</tt> tem de ser escrito: <tt>sen(x)cos(x)</tt> escreve-se "
              "<tt>sen(x)*cos(x)</tt> e <tt>(x+1)(x-1)</tt> escreve-se <tt>(x+1)*(x-1)</tt>. "
              "Sem o sinal, o programa não multiplica: fica só com o primeiro valor, ou "
              "lê um nome seguido de parêntese como uma função. Um triângulo amarelo no fim "
              "da caixa avisa do que foi ignorado ou posto de lado: deixe o ponteiro sobre ele "
              "para ler o aviso.</p>",
              {About("sen(x)*cos(x)", "0.4546", "1"), About("sen(x)cos(x)", "0.8415", "1"),
               Exact("(x+1)*(x-1)", "8", "3"), Exact("(x+1)(x-1)", "4", "3"),
               Fails("x(x+1)", 1101, "Função não definida: x()", "2"), Exact("x*(x+1)", "6", "2")}},
             {"Funções",
              "<p>Uma função escreve-se com o seu nome, em português ou em inglês, seguido do "
              "argumento entre parênteses: <tt>sen(x)</tt>, <tt>sin(x)</tt>, "
              "<tt>log(x^2+1)</tt>. Pode haver espaços antes do parêntese: "
              "<tt>sqr (x)</tt>. As funções de dois argumentos separam-nos por uma vírgula: "
              "<tt>logn(8, 2)</tt>. Os ângulos são sempre em radianos. A lista completa está "
              "na janela «FUNÇÕES DEFINIDAS».</p>",
              {Exact("sqr (16)", "4"), Exact("logn(8, 2)", "3"),
               Fails("sen()", 1104, "Argumento inválido na expressão: sen()"),
               Fails("seno(1)", 1101, "Função não definida: seno()")}},
         }});

    pages.push_back(
        {"Constantes, operadores e parênteses",
         {
             {"Constantes",
              "<p><tt>pi</tt> vale 3.14159265358979 e <tt>e</tt> vale 2.718281828 "
              "(valores fixos, com estas casas decimais).</p>",
              {Exact("pi", "3.14159265358979"), Exact("e", "2.718281828"), About("e^2", "7.3891")}},
             {"Operadores",
              "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">"
              "<tr><th>Escreve</th><th>Operação</th></tr>"
              "<tr><td><tt>+</tt></td><td>adição</td></tr>"
              "<tr><td><tt>-</tt></td><td>subtracção, ou o simétrico: <tt>-x</tt></td>"
              "</tr>"
              "<tr><td><tt>*</tt></td><td>multiplicação</td></tr>"
              "<tr><td><tt>/</tt></td><td>divisão</td></tr>"
              "<tr><td><tt>\\</tt></td><td>divisão inteira: arredonda os dois números a "
              "inteiros e dá o quociente sem a parte decimal</td></tr>"
              "<tr><td><tt>%</tt></td><td>resto da divisão inteira (com o sinal do "
              "dividendo)</td></tr>"
              "<tr><td><tt>^</tt></td><td>potência</td></tr>"
              "<tr><td><tt>sqr( )</tt></td><td>raiz quadrada (também <tt>x^(1/2)</tt>)</td>"
              "</tr>"
              "</table>",
              {Exact("7/2", "3.5"), Exact("7\\2", "3"), Exact("7%2", "1"), Exact("2^10", "1024"),
               Exact("sqr(16)", "4"), Exact("7.5\\2", "4"), Exact("-7%3", "-1"),
               Exact("16^(1/2)", "4"), Fails("1/0", 11, "Divisão por zero")}},
             {"Parênteses",
              "<p>Os parênteses <tt>(</tt> e <tt>)</tt> agrupam operações e envolvem os "
              "argumentos das funções; cada parêntese aberto tem de ser fechado.</p>",
              {Exact("(2+3)*4", "20"), Fails("(x+1", 1100, "Número de parênteses incorrecto.", "1"),
               Fails("sen(x))", 1100, "Número de parênteses incorrecto.", "1")}},
         }});

    pages.push_back(
        {"Prioridade das operações",
         {
             {nullptr,
              "<p>Dentro de cada par de parênteses as operações fazem-se por esta ordem; as "
              "do mesmo nível, da esquerda para a direita:</p>"
              "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">"
              "<tr><th>Ordem</th><th>Operação</th></tr>"
              "<tr><td align=\"center\">1</td><td>o que está dentro de parênteses e os "
              "argumentos das funções</td></tr>"
              "<tr><td align=\"center\">2</td><td>os nomes: <tt>x</tt>, <tt>pi</tt>, "
              "<tt>e</tt></td></tr>"
              "<tr><td align=\"center\">3</td><td><tt>^</tt> potência, da esquerda para a "
              "direita: <tt>2^3^2</tt> é (2<sup>3</sup>)<sup>2</sup> = 64</td></tr>"
              "<tr><td align=\"center\">4</td><td><tt>-</tt> simétrico (um menos sem nada à "
              "esquerda): <tt>-2^2</tt> é −(2<sup>2</sup>) = −4</td></tr>"
              "<tr><td align=\"center\">5</td><td><tt>*</tt> <tt>/</tt> <tt>\\</tt> "
              "multiplicação e divisões</td></tr>"
              "<tr><td align=\"center\">6</td><td><tt>%</tt> resto</td></tr>"
              "<tr><td align=\"center\">7</td><td><tt>+</tt> <tt>-</tt> adição e "
              "subtracção</td></tr>"
              "</table>",
              {Exact("-2^2", "-4"), Exact("(-2)^2", "4"), Exact("2^3^2", "64"),
               Exact("2^(3^2)", "512"), Exact("2+3*4", "14"), Exact("8/4/2", "1"),
               Exact("2*-3", "-6"), Exact("2--3", "5"), Exact("1+7%4", "4"), Exact("2*7%4", "2")}},
             {"Cuidado com o sinal menos",
              "<p>Um expoente negativo e um menos depois de outro escrevem-se entre "
              "parênteses.</p>",
              {Fails("2^-1", 1104, "Argumento inválido na expressão: )"),
               Fails("--2", 1104, "Argumento inválido na expressão: )"), Exact("2^(-1)", "0.5"),
               Exact("-(-2)", "2")}},
             {"Onde a expressão não tem valor",
              "<p>A raiz quadrada de um número negativo e o logaritmo de um número que não é "
              "positivo não têm valor: nesses pontos o gráfico não é desenhado e o desenho "
              "continua. Uma divisão por zero ou um número grande demais são erros e param "
              "o desenho.</p>",
              {NoValue("sqr(-4)"), NoValue("log(x)", "-1"),
               Fails("exp(1000)", 6, "Excesso de capacidade")}},
         }});
    return pages;
}

} // namespace

const std::vector<TextPage>& SyntaxPages() {
    static const std::vector<TextPage> pages = MakePages();
    return pages;
}

std::vector<HelpPage> SyntaxHelpPages() {
    return TextHelpPages(SyntaxPages());
}
