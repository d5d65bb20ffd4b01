// Request handling of the simulated devices: login checks, faults, state changes, answers and events.
#include "simcore.h"

#include "simanswer.h"
#include "simapply.h"
#include "simcipher.h"
#include "simrequest.h"

#include <algorithm>

namespace swpsim {

namespace {

Bytes Sealed(const SimDevice& d, std::uint8_t opCode, Bytes plain) {
    if (opCode != op::Discover) CryptPayload(d.password, plain);
    return BuildDatagram(d.mac, opCode, plain);
}

bool EndsConfigured(const std::vector<WpsStep>& steps) {
    return std::any_of(steps.begin(), steps.end(), [](const WpsStep& s) {
        return std::find(s.statuses.begin(), s.statuses.end(), 34) != s.statuses.end();
    });
}

} // namespace

CSimCore::CSimCore(std::vector<SimDevice> devices) : m_devices(std::move(devices)) {}

int CSimCore::FindDevice(const Mac& mac) const {
    for (std::size_t i = 0; i < m_devices.size(); ++i)
        if (m_devices[i].mac == mac) return static_cast<int>(i);
    return -1;
}

void CSimCore::Log(const SimDevice& d, const std::string& line) const {
    if (m_log) m_log(d.name + " " + MacText(d.mac) + ": " + line);
}

Outgoing CSimCore::Make(int index, int via, const Endpoint& to, std::uint32_t delayMs, Bytes bytes,
                        std::string what) const {
    Outgoing o;
    o.device = index;
    o.via = via;
    o.to = to;
    o.broadcast = m_devices[static_cast<std::size_t>(index)].behaviour.answer == AnswerMode::Broadcast;
    o.delayMs = delayMs;
    o.bytes = std::move(bytes);
    o.what = std::move(what);
    return o;
}

std::uint16_t CSimCore::CommandPort(int index) {
    if (m_portProvider) return m_portProvider(index);
    const std::uint16_t port = m_devices[static_cast<std::size_t>(index)].behaviour.commandPort;
    return port != 0 ? port : static_cast<std::uint16_t>(6000 + index % 50000);
}

std::vector<Outgoing> CSimCore::Handle(std::span<const std::uint8_t> datagram, const Endpoint& from,
                                       int listener, std::uint64_t nowMs) {
    std::vector<Outgoing> out;
    Header header;
    const HeaderError err = ParseHeader(datagram, header);
    if (err != HeaderError::None) {
        if (m_log) m_log(std::string("dropped a datagram: ") + HeaderErrorText(err));
        return out;
    }
    if (FindDevice(header.mac) >= 0) return out; // one of our own answers, heard again
    const auto payload = datagram.subspan(kHeaderSize);
    if (listener == kDiscoveryListener) {
        for (std::size_t i = 0; i < m_devices.size(); ++i)
            HandleForDevice(static_cast<int>(i), header, payload, from, listener, nowMs, out);
    } else if (listener >= 0 && static_cast<std::size_t>(listener) < m_devices.size()) {
        HandleForDevice(listener, header, payload, from, listener, nowMs, out);
    }
    return out;
}

void CSimCore::HandleForDevice(int index, const Header& header, std::span<const std::uint8_t> payload,
                               const Endpoint& from, int listener, std::uint64_t nowMs,
                               std::vector<Outgoing>& out) {
    SimDevice& d = m_devices[static_cast<std::size_t>(index)];
    const SimBehaviour& b = d.behaviour;
    Bytes plain(payload.begin(), payload.end());
    if (header.opCode != op::Discover) CryptPayload(d.password, plain);
    const SimRequest req = DecodeRequest(header.opCode, plain);
    const std::string kind(ReqName(req.kind));

    if (req.kind == Req::Unknown && header.opCode != op::SetConfig) {
        Log(d, "ignored: " + req.problem);
        return;
    }
    if (b.strictPorts) {
        const bool onDiscoveryPort = listener == kDiscoveryListener;
        const bool portRequest = req.kind == Req::Discover || req.kind == Req::Login;
        if (onDiscoveryPort != portRequest && !(req.kind == Req::Login && !onDiscoveryPort)) {
            Log(d, "ignored " + kind + " on the " + (onDiscoveryPort ? "discovery" : "command") + " port");
            return;
        }
    }
    if (req.kind == Req::Login) {
        if (!req.readable) {
            if (b.wrongKey == WrongKey::Silent) {
                Log(d, "login not readable with this password (" + req.problem + "), no answer");
                return;
            }
        } else if (req.loginMac != d.mac) {
            return; // a login for another device
        }
    } else if (req.kind != Req::Discover && b.requireLogin && !d.loggedIn) {
        Log(d, "ignored " + kind + ": not logged in");
        return;
    }

    ++d.handled[static_cast<std::size_t>(req.kind)];
    Fault fault;
    if (req.kind != Req::Unknown) {
        Fault& f = d.behaviour.faults[static_cast<std::size_t>(req.kind)];
        if (f.Active()) {
            fault = f;
            if (f.times > 0) --f.times;
        }
    }
    if (fault.drop) {
        Log(d, kind + " dropped (fault)");
        return;
    }

    // The sound answer, with the state change it stands for.
    bool answer = true;
    Bytes plainAnswer;
    bool wpsStarted = false;
    switch (req.kind) {
    case Req::Discover:
        if (!req.problem.empty()) answer = false;
        plainAnswer = DiscoveryPayload(d);
        break;
    case Req::Login:
        if (!req.readable) {
            plainAnswer = LoginPayload(0, 0);
            Log(d, "login not readable with this password, refused");
        } else if (req.phrase != kAuthPhrase) {
            plainAnswer = LoginPayload(0, 0);
            Log(d, "login refused: wrong phrase");
        } else if (fault.result0) {
            plainAnswer = LoginPayload(0, 0);
            Log(d, "login refused (fault)");
        } else if (const std::uint16_t port = CommandPort(index); port == 0) {
            plainAnswer = LoginPayload(0, 0);
            Log(d, "login refused: no command port");
        } else {
            d.loggedIn = true;
            d.client = from;
            plainAnswer = LoginPayload(1, port);
            Log(d, "logged in, command port " + std::to_string(port));
        }
        break;
    case Req::Logout:
        if (!req.problem.empty()) {
            answer = false;
        } else if (fault.result0) {
            plainAnswer = ResultPayload(0);
        } else {
            d.loggedIn = false;
            d.sessionDeadline = 0;
            plainAnswer = ResultPayload(1);
            Log(d, "logged out");
        }
        break;
    case Req::GetConfig:
    case Req::GetMode:
        answer = req.problem.empty();
        plainAnswer = req.kind == Req::GetMode ? ModePayload(d) : ConfigPayload(d);
        break;
    case Req::Survey:
        answer = req.problem.empty();
        plainAnswer = SurveyPayload(d);
        break;
    case Req::StationGet:
        answer = req.problem.empty();
        plainAnswer = StationPayload(d);
        break;
    default: {
        std::string problem = fault.result0 ? "refused (fault)" : ApplySetRequest(d, req);
        if (problem.empty()) {
            Log(d, kind + " applied");
            wpsStarted = req.kind == Req::WpsPbc || req.kind == Req::WpsPin;
            if (wpsStarted && d.mode != kModeAp && !d.wpsTarget.empty() && EndsConfigured(b.wpsSequence))
                d.ssid = d.wpsTarget;
        } else {
            Log(d, kind + " refused: " + problem);
        }
        plainAnswer = ResultPayload(problem.empty() ? 1 : 0);
        break;
    }
    }
    if (!answer) {
        Log(d, "ignored " + kind + ": " + req.problem);
        return;
    }
    if (d.loggedIn && b.sessionTimeoutMs > 0) d.sessionDeadline = nowMs + b.sessionTimeoutMs;

    const std::uint32_t delay = fault.delayMs;
    if (fault.timeoutEvent) {
        out.push_back(Make(index, listener, from, delay, Sealed(d, op::Event, ConnectTimeoutPayload()),
                           "connect time-out event"));
        d.loggedIn = false;
        d.sessionDeadline = 0;
    }
    const int copies = fault.duplicate ? 2 : 1;
    for (int c = 0; c < copies; ++c) {
        if (fault.malform != Malform::None) {
            out.push_back(Make(index, listener, from, delay,
                               MalformedAnswer(fault.malform, d.mac, header.opCode, plainAnswer, d.password,
                                               header.mac, header.opCode != op::Discover),
                               kind + " answer (" + std::string(MalformName(fault.malform)) + ")"));
            if (!fault.thenValid) continue;
        }
        out.push_back(
            Make(index, listener, from, delay, Sealed(d, header.opCode, plainAnswer), kind + " answer"));
    }
    if (wpsStarted) {
        std::uint32_t at = delay;
        for (const WpsStep& step : b.wpsSequence) {
            at += b.wpsIntervalMs;
            std::string what = "WPS event";
            for (std::int32_t s : step.statuses) {
                what += ' ';
                what += std::to_string(s);
            }
            if (step.connectTimeout) what += " connect-timeout";
            out.push_back(Make(index, listener, from, at, Sealed(d, op::Event, EventPayload(step)), what));
        }
    }
}

std::vector<Outgoing> CSimCore::Expire(std::uint64_t nowMs) {
    std::vector<Outgoing> out;
    for (std::size_t i = 0; i < m_devices.size(); ++i) {
        SimDevice& d = m_devices[i];
        if (!d.loggedIn || d.sessionDeadline == 0 || d.sessionDeadline > nowMs) continue;
        d.loggedIn = false;
        d.sessionDeadline = 0;
        Log(d, "login timed out");
        out.push_back(Make(static_cast<int>(i), static_cast<int>(i), d.client, 0,
                           Sealed(d, op::Event, ConnectTimeoutPayload()), "connect time-out event"));
    }
    return out;
}

std::optional<std::uint64_t> CSimCore::NextDeadline() const {
    std::optional<std::uint64_t> next;
    for (const SimDevice& d : m_devices)
        if (d.loggedIn && d.sessionDeadline != 0 && (!next || d.sessionDeadline < *next))
            next = d.sessionDeadline;
    return next;
}

} // namespace swpsim
