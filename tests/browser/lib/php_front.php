<?php
// Runs a site script for the test server as a host's PHP runs it for a GET: the query in $_GET,
// the script's folder as the current one. The status it sets goes last to stderr.
$script = $argv[1];
$requete = (string) getenv('QUERY_STRING');
parse_str($requete, $_GET);
$_SERVER['QUERY_STRING'] = $requete;
$_SERVER['REQUEST_METHOD'] = 'GET';
chdir(dirname($script));
register_shutdown_function(function () {
    fwrite(STDERR, "\nstatus " . (http_response_code() ?: 200) . "\n");
});
require $script;
