#pragma once
// A fresh directory per test, removed afterwards.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

struct TempDir {
    std::filesystem::path path;
    TempDir() {
        std::random_device rd;
        path = std::filesystem::temp_directory_path() /
               ("lf_test_" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::filesystem::path write(std::string_view name, std::string_view bytes) const {
        const auto file = path / std::string(name);
        std::ofstream(file, std::ios::binary).write(bytes.data(), bytes.size());
        return file;
    }
    std::string read(std::string_view name) const {
        std::ifstream in(path / std::string(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};
