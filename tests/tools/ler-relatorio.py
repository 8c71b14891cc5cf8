#!/usr/bin/python3
"""Prints the HTML report as JSON, as html5lib (the WHATWG parsing algorithm) reads it in strict
mode, where any parse error fails: the header's fields, the checks' table, the groups of findings
with their rows, the resolved findings, and what could reach outside the file."""
import json
import re
import sys

import html5lib

with open(sys.argv[1], "rb") as arquivo:
    documento = html5lib.HTMLParser(strict=True, namespaceHTMLElements=False).parse(arquivo)


def texto(elemento):
    return "".join(elemento.itertext())


def linhas(tabela):
    return [[texto(c) for c in tr.findall("td")] for tr in tabela.findall("./tbody/tr")]


def classes(elemento):
    return elemento.get("class", "").split()


grupos = []
for grupo in documento.findall(".//section[@id='achados']/details"):
    resumo = grupo.find("summary")
    contagem = [s for s in resumo.iter("span") if "contagem" in classes(s)][0]
    grupos.append({
        "correcao": texto([s for s in resumo.iter("span") if "correcao" in classes(s)][0]),
        "total": int(contagem.get("data-total")),
        "aberto": grupo.get("open") is not None,
        "linhas": linhas(grupo.find(".//table")),
        "novos": [texto(tr.find("td")) for tr in grupo.findall(".//tbody/tr") if "novo" in classes(tr)],
    })
resolvidos = documento.find(".//section[@id='resolvidos']//table")
externos = [valor for e in documento.iter() for nome, valor in e.attrib.items() if nome in ("src", "href", "action")]
externos += re.findall(r"url\(|@import", "".join(texto(s) for s in documento.iter("style")))
json.dump({
    "titulo": texto(documento.find(".//title")),
    "cabecalho": dict(zip([texto(d) for d in documento.iter("dt")], [texto(d) for d in documento.iter("dd")])),
    "verificacoes": linhas(documento.find(".//section[@id='verificacoes']//table")),
    "barras": sum(1 for e in documento.iter() if str(e.tag).endswith("}rect")),
    "grupos": grupos,
    "resolvidos": None if resolvidos is None else linhas(resolvidos),
    "scripts": len(documento.findall(".//script")),
    "externos": externos,
}, sys.stdout, ensure_ascii=False)
