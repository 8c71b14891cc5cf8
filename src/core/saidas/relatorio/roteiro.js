// Sorting and filtering, for a reader with a browser that runs scripts; without them the page
// shows the same findings, in the log window's order.
(function () {
  'use strict';
  var comparar = new Intl.Collator('pt-BR', { numeric: true, sensitivity: 'base' }).compare;

  function valor(celula) {
    var numero = celula.getAttribute('data-valor');
    return numero === null ? celula.textContent : Number(numero);
  }

  // A click on a column's title sorts its table by it; a second click reverses the order.
  function ordenavel(tabela) {
    tabela.classList.add('ativa');
    var titulos = tabela.tHead.rows[0].cells;
    Array.prototype.forEach.call(titulos, function (titulo, coluna) {
      titulo.tabIndex = 0;
      function ordenar() {
        var crescente = titulo.getAttribute('aria-sort') !== 'ascending';
        Array.prototype.forEach.call(titulos, function (t) { t.removeAttribute('aria-sort'); });
        titulo.setAttribute('aria-sort', crescente ? 'ascending' : 'descending');
        var corpo = tabela.tBodies[0];
        var linhas = Array.prototype.slice.call(corpo.rows);
        var chaves = linhas.map(function (linha, i) { return { linha: linha, valor: valor(linha.cells[coluna]), i: i }; });
        chaves.sort(function (a, b) {
          var c = typeof a.valor === 'number' ? a.valor - b.valor : comparar(a.valor, b.valor);
          return (crescente ? c : -c) || a.i - b.i;
        });
        var fragmento = document.createDocumentFragment();
        chaves.forEach(function (k) { fragmento.appendChild(k.linha); });
        corpo.appendChild(fragmento);
      }
      titulo.addEventListener('click', ordenar);
      titulo.addEventListener('keydown', function (e) {
        if (e.key === 'Enter' || e.key === ' ') { e.preventDefault(); ordenar(); }
      });
    });
  }
  Array.prototype.forEach.call(document.querySelectorAll('table.ordenavel'), ordenavel);

  // A printed report shows every group open; the reader's folding comes back afterwards.
  var fechados = [];
  window.addEventListener('beforeprint', function () {
    fechados = Array.prototype.filter.call(document.querySelectorAll('details'), function (g) { return !g.open; });
    fechados.forEach(function (g) { g.open = true; });
  });
  window.addEventListener('afterprint', function () {
    fechados.forEach(function (g) { g.open = false; });
    fechados = [];
  });

  var secao = document.getElementById('achados');
  var grupos = Array.prototype.slice.call(secao.querySelectorAll('details.grupo'));
  if (grupos.length === 0)
    return;
  var temNovos = secao.querySelector('td.marca') !== null;

  var controles = document.createElement('div');
  controles.className = 'controles';
  controles.innerHTML =
    '<label>Filtrar <input type="search" placeholder="referência, NF, CFOP…" aria-label="Filtrar os achados"></label>' +
    '<label>Mostrar <select><option value="">todos</option><option value="erro">só erros</option>' +
    '<option value="alerta">só alertas</option>' + (temNovos ? '<option value="novo">só novos</option>' : '') +
    '</select></label><button type="button" data-abrir="1">Abrir todos</button>' +
    '<button type="button" data-abrir="">Fechar todos</button><span class="resumo" aria-live="polite"></span>';
  secao.insertBefore(controles, secao.children[1]);
  var campo = controles.querySelector('input');
  var mostrar = controles.querySelector('select');
  var resumo = controles.querySelector('.resumo');

  // Each group's rows with their text in lower case, read once, at the first filtering.
  var indice = null;
  function indexar() {
    indice = grupos.map(function (grupo) {
      return {
        grupo: grupo,
        contagem: grupo.querySelector('span.contagem'),
        linhas: Array.prototype.map.call(grupo.querySelectorAll('tbody tr'), function (linha) {
          return { linha: linha, texto: linha.textContent.toLowerCase(), novo: linha.classList.contains('novo') };
        })
      };
    });
  }

  function filtrar() {
    if (!indice)
      indexar();
    var procura = campo.value.trim().toLowerCase();
    var escolha = mostrar.value;
    var total = 0;
    indice.forEach(function (g) {
      var doTipo = escolha === '' || escolha === 'novo' || g.grupo.getAttribute('data-tipo') === escolha;
      var visiveis = 0;
      g.linhas.forEach(function (l) {
        var mostra = doTipo && (escolha !== 'novo' || l.novo) && (procura === '' || l.texto.indexOf(procura) >= 0);
        if (l.linha.hidden === mostra)
          l.linha.hidden = !mostra;
        if (mostra)
          visiveis++;
      });
      var todas = Number(g.contagem.getAttribute('data-total'));
      g.grupo.hidden = visiveis === 0;
      g.contagem.textContent = (visiveis === todas ? todas.toLocaleString('pt-BR') : visiveis.toLocaleString('pt-BR') +
        ' de ' + todas.toLocaleString('pt-BR')) + (todas === 1 ? ' achado' : ' achados');
      total += visiveis;
    });
    resumo.textContent = procura === '' && escolha === '' ? '' :
      total.toLocaleString('pt-BR') + (total === 1 ? ' achado mostrado' : ' achados mostrados');
  }

  var espera = null;
  campo.addEventListener('input', function () {
    clearTimeout(espera);
    espera = setTimeout(filtrar, 200);
  });
  mostrar.addEventListener('change', filtrar);
  controles.addEventListener('click', function (e) {
    var abrir = e.target.getAttribute && e.target.getAttribute('data-abrir');
    if (abrir !== null && abrir !== undefined)
      grupos.forEach(function (g) { g.open = abrir === '1'; });
  });
})();
