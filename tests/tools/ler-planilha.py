#!/usr/bin/python3
"""Prints an .xlsx workbook as JSON, read by openpyxl: the title property, the cells of the
first sheet by row (empty cells as ""), each cell's data type, the column widths and the sheet's name."""
import json
import sys

import openpyxl

livro = openpyxl.load_workbook(sys.argv[1], read_only=False)
folha = livro.worksheets[0]
linhas, tipos = [], set()
for linha in folha.iter_rows():
    linhas.append(["" if c.value is None else c.value for c in linha])
    tipos.update(c.data_type for c in linha if c.value is not None)
larguras = {letra: dim.width for letra, dim in folha.column_dimensions.items()}
json.dump({"titulo": livro.properties.title, "linhas": linhas, "tipos": sorted(tipos),
           "larguras": larguras, "folhas": len(livro.worksheets),
           "nomeDaFolha": folha.title}, sys.stdout, ensure_ascii=False)
