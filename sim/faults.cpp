#include "faults.h"

#include <charconv>

namespace dalmiro::sim {
namespace {

std::optional<long long> Number(std::string_view text) {
    long long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

} // namespace

Fault Fault::Delay(int ms) {
    Fault f;
    f.delayMs = ms;
    return f;
}

Fault Fault::Hang() {
    Fault f;
    f.kind = FaultKind::kHang;
    return f;
}

Fault Fault::ErrorStatus(int status) {
    Fault f;
    f.kind = FaultKind::kErrorStatus;
    f.status = status;
    return f;
}

Fault Fault::Truncated() {
    Fault f;
    f.kind = FaultKind::kTruncate;
    return f;
}

Fault Fault::Oversized(std::size_t size) {
    Fault f;
    f.kind = FaultKind::kOversize;
    f.size = size;
    return f;
}

Fault Fault::InvalidBytes() {
    Fault f;
    f.kind = FaultKind::kInvalidBytes;
    return f;
}

Fault Fault::Reset() {
    Fault f;
    f.kind = FaultKind::kReset;
    return f;
}

std::optional<Fault> ParseFault(std::string_view text) {
    Fault fault;
    bool any = false;
    bool more = !text.empty();
    while (more) {
        std::size_t plus = text.find('+');
        std::string_view part = text.substr(0, plus);
        more = plus != std::string_view::npos;
        text = more ? text.substr(plus + 1) : std::string_view();
        std::size_t colon = part.find(':');
        std::string_view name = part.substr(0, colon);
        std::optional<long long> arg;
        if (colon != std::string_view::npos) {
            arg = Number(part.substr(colon + 1));
            if (!arg) {
                return std::nullopt;
            }
        }
        if (name == "delay" && arg && *arg <= 600'000) {
            fault.delayMs = static_cast<int>(*arg);
        } else if (name == "hang" && !arg) {
            fault.kind = FaultKind::kHang;
        } else if (name == "status" && (!arg || (*arg >= 100 && *arg <= 599))) {
            fault.kind = FaultKind::kErrorStatus;
            fault.status = arg ? static_cast<int>(*arg) : 500;
        } else if (name == "truncate" && !arg) {
            fault.kind = FaultKind::kTruncate;
        } else if (name == "oversize" && (!arg || *arg <= (1LL << 30))) {
            fault.kind = FaultKind::kOversize;
            if (arg) {
                fault.size = static_cast<std::size_t>(*arg);
            }
        } else if (name == "invalid" && !arg) {
            fault.kind = FaultKind::kInvalidBytes;
        } else if (name == "reset" && !arg) {
            fault.kind = FaultKind::kReset;
        } else {
            return std::nullopt;
        }
        any = true;
    }
    if (!any) {
        return std::nullopt;
    }
    return fault;
}

std::string WithInvalidBytes(std::string body) {
    std::string out(kInvalidBytes);
    out.append(body, 0, body.size() / 2);
    out += kInvalidBytes;
    out.append(body, body.size() / 2, std::string::npos);
    out += kInvalidBytes;
    return out;
}

std::string Padded(std::string body, std::size_t size) {
    if (body.size() < size) {
        body.append(size - body.size(), ' ');
    }
    return body;
}

std::string ErrorPage(int status) {
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + std::to_string(status) +
           "</title></head><body><h1>" + std::to_string(status) +
           " 服务暂时不可用</h1><p>请稍后再试。</p></body></html>\n";
}

void FaultTable::Set(std::string path, Fault fault) {
    std::lock_guard lock(mutex_);
    faults_[std::move(path)] = fault;
}

void FaultTable::Clear(const std::string& path) {
    std::lock_guard lock(mutex_);
    faults_.erase(path);
}

void FaultTable::ClearAll() {
    std::lock_guard lock(mutex_);
    faults_.clear();
}

Fault FaultTable::For(const std::string& path) const {
    std::lock_guard lock(mutex_);
    auto it = faults_.find(path);
    if (it == faults_.end()) {
        it = faults_.find("*");
    }
    return it == faults_.end() ? Fault{} : it->second;
}

} // namespace dalmiro::sim
