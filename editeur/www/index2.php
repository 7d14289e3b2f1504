<?php
// Tarvio - the shop's frameset with one of its pages in the main frame.
// Reached by a page opened outside its frameset (url_principal=page), by a redirect left in place
// of a removed page, and by the comparator feeds (track=code&url_principal=page). Only a page of
// the site beside this script is framed; anything else gets the shop's home page, and so does an
// entry page that is itself a frameset (index.htm in the frameset layout).

function parametre($nom)
{
    $valeur = isset($_GET[$nom]) ? $_GET[$nom] : '';
    return is_string($valeur) ? $valeur : '';
}

function texte($valeur)
{
    return htmlspecialchars((string) $valeur, ENT_QUOTES | ENT_SUBSTITUTE, 'Windows-1252');
}

// A page name of the site: no folder, no address, no hidden file, a page that exists here.
function pageDuSite($page)
{
    if (!preg_match('/^[A-Za-z0-9_\x80-\xFF][A-Za-z0-9_.\-\x80-\xFF]*\.(htm|html|php)$/', $page)) {
        return false;
    }
    return $page !== basename(__FILE__) && is_file(__DIR__ . '/' . $page);
}

// The visit a comparator sent, one line a visit; the file begins with a line that stops PHP, so
// the web server never shows it.
function noterVisite($code, $page)
{
    $fichier = __DIR__ . '/index2_visites.php';
    $ligne = date('Y-m-d H:i:s') . "\t" . $code . "\t" . $page . "\r\n";
    if (!is_file($fichier)) {
        $ligne = "<?php exit; ?>\r\n" . $ligne;
    }
    @file_put_contents($fichier, $ligne, FILE_APPEND | LOCK_EX);
}

// An entry page that is itself the frameset: framing it would nest the shop in its own main frame.
function estCadres($page)
{
    return stripos((string) @file_get_contents(__DIR__ . '/' . $page), '<frameset') !== false;
}

$page = parametre('url_principal');
$valide = pageDuSite($page);
$code = parametre('track');
if ($valide && preg_match('/^[A-Za-z0-9_\-]{1,32}$/', $code)) {
    noterVisite($code, $page);
}

// The shop's own frameset (both layouts write index2.htm with a frame named "principal").
$cadres = @file(__DIR__ . '/index2.htm', FILE_IGNORE_NEW_LINES);
if ($cadres === false) {
    $cadres = array('<HTML>', '<HEAD>', '<TITLE>index2</TITLE>', '</HEAD>', '<frameset cols="0,*">',
        '<frame name="blank" noresize>', '<frame name="principal" src="index.htm" noresize>',
        '</frameset>', '</HTML>');
}
if (!$valide) {
    http_response_code($page === '' ? 200 : 404);
}
$remplacer = $valide && !estCadres($page);

header('Content-Type: text/html; charset=windows-1252');
foreach ($cadres as $ligne) {
    $ligne = rtrim($ligne, "\r");
    if ($remplacer && preg_match('/<frame\b[^>]*\bname\s*=\s*"?principal"?/i', $ligne)) {
        $ligne = preg_replace('/\bsrc\s*=\s*("[^"]*"|[^\s>]*)/i', 'src="' . texte($page) . '"', $ligne, 1);
    }
    echo $ligne . "\r\n";
}
