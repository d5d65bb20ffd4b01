#!/usr/bin/env bash
# Runs the end-to-end tests with the engine and the simulator in two private network namespaces joined by a
# veth pair, so requests travel as real limited broadcasts on an Ethernet-like link. The namespaces are
# always removed; the run is skipped (exit 77) where the machine does not allow them.
# Usage: netns_e2e.sh TEST_BINARY [gtest arguments...]
set -u
test_binary=$1
shift

cli=swpe2e-cli-$$
dev=swpe2e-dev-$$

skip() {
    echo "SKIP: $1 (the end-to-end tests still ran on loopback)"
    exit 77
}
cleanup() {
    ip netns del "$cli" 2>/dev/null
    ip netns del "$dev" 2>/dev/null
}
trap cleanup EXIT
trap 'exit 130' INT TERM

command -v ip >/dev/null 2>&1 || skip "no ip command"
ip netns add "$cli" 2>/dev/null || skip "this machine does not allow network namespaces"
ip netns add "$dev" 2>/dev/null || skip "this machine does not allow a second network namespace"
# The pair is created inside the client namespace and one end moved to the device namespace: no interface
# ever appears in the machine's own namespace.
ip -n "$cli" link add swpc0 type veth peer name swpd0 netns "$dev" 2>/dev/null || skip "no veth pairs here"
ip -n "$cli" link set lo up
ip -n "$dev" link set lo up
ip -n "$cli" addr add 10.231.0.1/24 brd + dev swpc0
ip -n "$dev" addr add 10.231.0.2/24 brd + dev swpd0
ip -n "$cli" link set swpc0 up
ip -n "$dev" link set swpd0 up

SWP_E2E_CLIENT_IFACE=swpc0 SWP_E2E_SIM_IFACE=swpd0 SWP_E2E_SIM_NETNS="$dev" \
    ip netns exec "$cli" "$test_binary" "$@"
