// The swpctl commands; each returns the exit code.
#pragma once

class CCliSession;

int RunCommand(CCliSession& session);

int RunDiscover(CCliSession& session);
int RunShow(CCliSession& session);
int RunSurvey(CCliSession& session);
int RunSetIP(CCliSession& session);
int RunSetMode(CCliSession& session);
int RunSetWireless(CCliSession& session);
int RunWps(CCliSession& session);
