#pragma once

namespace Quorvane::Cli {

enum class FormatoSaida { Texto, Tsv, Csv, Json, Html };

} // namespace Quorvane::Cli
