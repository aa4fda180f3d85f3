#pragma once
// Interface texts are GBK; the terminal takes UTF-8.

#include <string>

namespace busho::cli {

std::string GbkToUtf8(const std::string& gbk);

}  // namespace busho::cli
