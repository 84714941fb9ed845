#include "help/FunctionCatalogue.h"

// The random functions: each call takes a new seed from the clock and then
// draws, so a graph of them is a cloud of points that changes at every plot.
std::vector<FunctionGroup> RandomFunctions() {
    const char* const never = "nunca.";
    return {{
        "Funções aleatórias",
        "Dão números ao acaso, diferentes em cada desenho: o gráfico é uma nuvem de pontos. "
        "O nome <tt>rnd</tt> sozinho, sem parênteses, dá em cada ponto um número novo entre "
        "0 e 1.",
        {
            {"Número aleatório",
             "rnd(",
             nullptr,
             "x",
             "um número entre 0 e 1 (o 1 excluído). Se x &lt; 0, dá sempre o mesmo número para "
             "o mesmo x; se x = 0, repete o último número; se x &gt; 0, dá um número novo.",
             never,
             {Between("rnd(1)", "0", "1"), Between("rnd(-5)", "0", "1"), Between("rnd", "0", "1")},
             {"rnd(x)", -4.5, 4.5, -0.5, 1.5, 1, 0.5, true}},
            {"Inteiro aleatório",
             "rand(",
             nullptr,
             "n",
             "um inteiro ao acaso de 0 a n − 1 (para n &gt; 0): <tt>rand(6)+1</tt> lança um "
             "dado.",
             never,
             {IntegerIn("rand(6)", "0", "5"), IntegerIn("rand(6)+1", "1", "6")},
             {"rand(6)", -4.5, 4.5, -1.5, 6.5, 1, 1, true}},
            {"Número aleatório entre dois valores",
             "random(",
             nullptr,
             "u, v",
             "um número ao acaso entre u e v, com todos os valores igualmente prováveis.",
             never,
             {Between("random(2, 5)", "2", "5"), Between("random(-1, 1)", "-1", "1"),
              Exact("random(5, 5)", "5")},
             {"random(-x, x)", -4.5, 4.5, -4.5, 4.5, 1, 1, true}},
        },
    }};
}
