// A plasma that turns with the clock and flashes on each beat, over the stars.
void main() {
    vec2 p = uv * 2.0 - 1.0;
    float wave = sin(p.x * 5.0 + p.y * 3.0 + 4.0 * p.x * p.y + time);
    float pulse = 1.0 - fract(beat);
    vec3 colour = mix(vec3(0.15, 0.0, 0.35), vec3(1.0, 0.45, 0.1), 0.5 + 0.5 * wave);
    gl_FragColor = vec4(colour * (0.6 + 0.4 * pulse) + picture(0, uv).rgb, 1.0);
}
